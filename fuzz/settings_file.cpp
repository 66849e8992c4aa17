// The settings file "Marquell.xml" as the program reads it at start: the
// settings, the language they name and the project folder they name; then
// the settings are saved and must read back the same.

#include "fuzz/FuzzSupport.h"

#include "app/shell/UComon.h"
#include "app/shell/ULanguage.h"
#include "app/shell/mainwindow/UMarquellFirmWareSettings.h"

#include <cstdlib>

namespace {

struct Settings {
    QString project, address, language;
    bool internet, update, jump, autoSize;
    friend bool operator==(const Settings&, const Settings&) = default;
};

Settings Current()
{
    return {Name_Project, Last_IP_Address, Language_Name, Enable_Internet, Enable_Update, Enable_Jump_Field,
            Enable_Auto_Size};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::EnsureApplication();
    static const bool folders = Init_Folders();
    (void)folders;
    fuzz::PutFile(QStringLiteral("Marquell.xml"), fuzz::Bytes(data, size));
    Load_Setting();
    const Settings read = Current();
    Init_Language();
    Path_Project = Find_Project_Folder(Name_Project);
    Set_Files();

    Name_Project = read.project;
    Language_Name = read.language;
    if (!Save_Setting())
        return 0;
    Load_Setting();
    if (!(Current() == read))
        std::abort(); // saved settings must come back as they were
    return 0;
}

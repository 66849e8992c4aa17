#pragma once

// Starts the shell's windows as the program does, in the test's empty
// executable folder, with every modal answered through the test seams.

#include "app/shell/UComon.h"
#include "app/shell/ULanguage.h"
#include "app/shell/mainwindow/UMarquellFirmWare.h"
#include "app/shell/mainwindow/UMarquellFirmWareSettings.h"
#include "app/shell/mainwindow/UMarquellFirmWareStart.h"
#include "app/shell/WindowRegistry.h"
#include "platform/ui/window/ModalSeams.h"
#include "tests/support/TempExeFolder.h"

#include <QDir>

#include <gtest/gtest.h>

#include <memory>

namespace testsupport {

// A stand-in window of another part of the program: counts its showings and
// relabellings and keeps the fields the main window sets.
struct FakeWindow {
    int shown = 0;
    int relabelled = 0;
    QVariantMap fields;
    TModalResult result = mrOk;

    WindowEntry Entry()
    {
        WindowEntry entry;
        entry.show = [this] {
            ++shown;
            return result;
        };
        entry.setLang = [this] { ++relabelled; };
        entry.readField = [this](const QString& field) { return fields.value(field); };
        entry.writeField = [this](const QString& field, const QVariant& value) {
            fields.insert(field, value);
            return true;
        };
        return entry;
    }
};

class ShellWindows : public ::testing::Test {
protected:
    void TearDown() override { Destroy_Shell_Windows(); }

    // The program block's part of the shell, in a prepared folder.
    void Start()
    {
        seams = std::make_unique<platform::ModalSeams>();
        Create_Shell_Windows();
        main = FMarquellFirmWare;
    }

    static QString Folder(const QString& relative) { return QDir(TestFolder()).filePath(relative); }

    // Opens a configuration of that name (its folder is created).
    static void OpenConfiguration(const QString& name)
    {
        QDir().mkpath(Path_Projects + QLatin1Char('/') + name + QLatin1String("/bin"));
        Name_Project = name;
        Path_Project = Path_Projects + QLatin1Char('/') + name;
        Set_Files();
    }

    std::unique_ptr<platform::ModalSeams> seams;
    TFMarquellFirmWare* main = nullptr;
};

} // namespace testsupport

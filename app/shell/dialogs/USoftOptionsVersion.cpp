// The check for a newer version on the maker's version page.

#include "app/shell/dialogs/USoftOptions.h"

#include "app/shell/UComon.h"
#include "app/shell/mainwindow/UMarquellFirmWare.h"
#include "platform/core/SysUtils.h"
#include "platform/net/Http.h"

namespace {

const QString Default_Version_Page = QStringLiteral("https://www.example.com/version?nomesw=");

QString& VersionPage()
{
    static QString page = Default_Version_Page;
    return page;
}

bool& CheckRunning()
{
    static bool running = false;
    return running;
}

// Marks a check as running for as long as it lives.
class RunningCheck {
public:
    RunningCheck() { CheckRunning() = true; }
    ~RunningCheck() { CheckRunning() = false; }
    RunningCheck(const RunningCheck&) = delete;
    RunningCheck& operator=(const RunningCheck&) = delete;
};

// The reply's text; empty when the request failed.
QString AskVersionPage()
{
    platform::HttpRequestOptions options;
    options.headers.append(qMakePair(QByteArray("Accept"),
                                     QByteArray("text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8")));
    options.headers.append(qMakePair(QByteArray("User-Agent"), QByteArray("Mozilla/3.0 (compatible; Indy Library)")));
    const platform::HttpResponse response = platform::HttpGet(VersionPage() + SW_Code, options);
    return response.ok ? QString::fromUtf8(response.body) : QString();
}

} // namespace

int Conv_Version(const QString& Ver_str)
{
    const qsizetype blank = Ver_str.indexOf(QLatin1Char(' '));
    const QString number = Trim(blank < 0 ? Ver_str : Ver_str.mid(blank + 1));
    if (number.size() < 5)
        return -1;
    const QString digits = QString(number[0]) + number[2] + number[3] + number[4];
    int value = -1;
    return TryStrToInt(digits, value) ? value : -1;
}

bool Check_Version()
{
    if (CheckRunning())
        return false;
    const RunningCheck running;
    const QString reply = AskVersionPage();
    const QString upper = UpperCase(Trim(reply));
    if (upper.isEmpty() || upper == QLatin1String("VER. 0.000"))
        return false;
    const int own = Conv_Version(Program_Version);
    const int offered = Conv_Version(Trim(reply));
    return own != -1 && offered != -1 && offered > own;
}

bool Version_Check_Running()
{
    return CheckRunning();
}

QString Version_Link_Markup(const QString& text)
{
    return QStringLiteral("<a href=\"%1\">%2</a>").arg(Maker_Download_Page, text);
}

QString Version_Page_Address()
{
    return VersionPage();
}

void Set_Version_Page_Address(const QString& address)
{
    VersionPage() = address;
}

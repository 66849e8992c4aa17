#include "grid/foundation/objects/ExObjSearchFooter.h"

#include "platform/ui/paint/Font.h"

struct TSearchFooter::Data {
    bool AlwaysHighLight = false;
    bool AutoSearch = true;
    TColor Color = clWhite;
    TColor ColorTo = clBtnFace;
    QString FindNextCaption = QString();
    QString FindPrevCaption = QString();
    QString HighLightCaption = QString();
    QString HintClose = QString();
    QString HintFindNext = QString();
    QString HintFindPrev = QString();
    QString HintHighlight = QString();
    QString MatchCaseCaption = QString();
    bool SearchActiveColumnOnly = false;
    int SearchColumn = -1;
    bool SearchMatchStart = false;
    bool SearchFixedCells = false;
    bool SearchHiddenRows = false;
    TSearchDirection SearchDirection = sdTopBottom;
    bool ShowClose = true;
    bool ShowFindNext = true;
    bool ShowFindPrev = true;
    bool ShowHighLight = true;
    bool ShowMatchCase = true;
    bool Visible = false;
    bool AutoThemeAdapt = false;
    QString LastSearch = QString();
};

TSearchFooter::TSearchFooter(QObject* AOwner, bool InitDesign)
    : d(std::make_unique<Data>()), m_owner(AOwner), m_font(std::make_unique<TFont>())
{
    if (!InitDesign)
        return;
    d->FindNextCaption = QStringLiteral("Find &next");
    d->FindPrevCaption = QStringLiteral("Find &previous");
    d->MatchCaseCaption = QStringLiteral("Match case");
    d->HighLightCaption = QStringLiteral("Highlight");
    d->HintClose = QStringLiteral("Close");
    d->HintFindNext = QStringLiteral("Find next occurrence");
    d->HintFindPrev = QStringLiteral("Find previous occurrence");
    d->HintHighlight = QStringLiteral("Highlight occurrences");
}

TSearchFooter::~TSearchFooter() = default;

QObject* TSearchFooter::Owner() const
{
    return m_owner;
}

void TSearchFooter::changed()
{
    if (OnChange)
        OnChange(this);
}

void TSearchFooter::Assign(const TObject* Source)
{
    const auto* source = dynamic_cast<const TSearchFooter*>(Source);
    if (!source || source == this)
        return;
    const Data kept = *d;
    *d = *source->d;
    d->AutoSearch = kept.AutoSearch;
    d->SearchFixedCells = kept.SearchFixedCells;
    d->AutoThemeAdapt = kept.AutoThemeAdapt;
    d->LastSearch = kept.LastSearch;
    m_font->Assign(*source->m_font);
}

TFont* TSearchFooter::Font() const
{
    return m_font.get();
}

void TSearchFooter::SetFont(const TFont& Value)
{
    m_font->Assign(Value);
    changed();
}

bool TSearchFooter::AlwaysHighLight() const
{
    return d->AlwaysHighLight;
}

void TSearchFooter::SetAlwaysHighLight(bool Value)
{
    d->AlwaysHighLight = Value;
}

bool TSearchFooter::AutoSearch() const
{
    return d->AutoSearch;
}

void TSearchFooter::SetAutoSearch(bool Value)
{
    d->AutoSearch = Value;
}

TColor TSearchFooter::Color() const
{
    return d->Color;
}

void TSearchFooter::SetColor(TColor Value)
{
    d->Color = Value;
    changed();
}

TColor TSearchFooter::ColorTo() const
{
    return d->ColorTo;
}

void TSearchFooter::SetColorTo(TColor Value)
{
    d->ColorTo = Value;
    changed();
}

QString TSearchFooter::FindNextCaption() const
{
    return d->FindNextCaption;
}

void TSearchFooter::SetFindNextCaption(const QString& Value)
{
    d->FindNextCaption = Value;
    changed();
}

QString TSearchFooter::FindPrevCaption() const
{
    return d->FindPrevCaption;
}

void TSearchFooter::SetFindPrevCaption(const QString& Value)
{
    d->FindPrevCaption = Value;
    changed();
}

QString TSearchFooter::HighLightCaption() const
{
    return d->HighLightCaption;
}

void TSearchFooter::SetHighLightCaption(const QString& Value)
{
    d->HighLightCaption = Value;
    changed();
}

QString TSearchFooter::HintClose() const
{
    return d->HintClose;
}

void TSearchFooter::SetHintClose(const QString& Value)
{
    d->HintClose = Value;
    changed();
}

QString TSearchFooter::HintFindNext() const
{
    return d->HintFindNext;
}

void TSearchFooter::SetHintFindNext(const QString& Value)
{
    d->HintFindNext = Value;
    changed();
}

QString TSearchFooter::HintFindPrev() const
{
    return d->HintFindPrev;
}

void TSearchFooter::SetHintFindPrev(const QString& Value)
{
    d->HintFindPrev = Value;
    changed();
}

QString TSearchFooter::HintHighlight() const
{
    return d->HintHighlight;
}

void TSearchFooter::SetHintHighlight(const QString& Value)
{
    d->HintHighlight = Value;
    changed();
}

QString TSearchFooter::MatchCaseCaption() const
{
    return d->MatchCaseCaption;
}

void TSearchFooter::SetMatchCaseCaption(const QString& Value)
{
    d->MatchCaseCaption = Value;
    changed();
}

bool TSearchFooter::SearchActiveColumnOnly() const
{
    return d->SearchActiveColumnOnly;
}

void TSearchFooter::SetSearchActiveColumnOnly(bool Value)
{
    d->SearchActiveColumnOnly = Value;
}

int TSearchFooter::SearchColumn() const
{
    return d->SearchColumn;
}

void TSearchFooter::SetSearchColumn(int Value)
{
    d->SearchColumn = Value;
}

bool TSearchFooter::SearchMatchStart() const
{
    return d->SearchMatchStart;
}

void TSearchFooter::SetSearchMatchStart(bool Value)
{
    d->SearchMatchStart = Value;
}

bool TSearchFooter::SearchFixedCells() const
{
    return d->SearchFixedCells;
}

void TSearchFooter::SetSearchFixedCells(bool Value)
{
    d->SearchFixedCells = Value;
}

bool TSearchFooter::SearchHiddenRows() const
{
    return d->SearchHiddenRows;
}

void TSearchFooter::SetSearchHiddenRows(bool Value)
{
    d->SearchHiddenRows = Value;
}

TSearchDirection TSearchFooter::SearchDirection() const
{
    return d->SearchDirection;
}

void TSearchFooter::SetSearchDirection(TSearchDirection Value)
{
    d->SearchDirection = Value;
}

bool TSearchFooter::ShowClose() const
{
    return d->ShowClose;
}

void TSearchFooter::SetShowClose(bool Value)
{
    d->ShowClose = Value;
    changed();
}

bool TSearchFooter::ShowFindNext() const
{
    return d->ShowFindNext;
}

void TSearchFooter::SetShowFindNext(bool Value)
{
    if (d->ShowFindNext == Value)
        return;
    d->ShowFindNext = Value;
    changed();
}

bool TSearchFooter::ShowFindPrev() const
{
    return d->ShowFindPrev;
}

void TSearchFooter::SetShowFindPrev(bool Value)
{
    if (d->ShowFindPrev == Value)
        return;
    d->ShowFindPrev = Value;
    changed();
}

bool TSearchFooter::ShowHighLight() const
{
    return d->ShowHighLight;
}

void TSearchFooter::SetShowHighLight(bool Value)
{
    if (d->ShowHighLight == Value)
        return;
    d->ShowHighLight = Value;
    changed();
}

bool TSearchFooter::ShowMatchCase() const
{
    return d->ShowMatchCase;
}

void TSearchFooter::SetShowMatchCase(bool Value)
{
    if (d->ShowMatchCase == Value)
        return;
    d->ShowMatchCase = Value;
    changed();
}

bool TSearchFooter::Visible() const
{
    return d->Visible;
}

void TSearchFooter::SetVisible(bool Value)
{
    if (d->Visible == Value)
        return;
    d->Visible = Value;
    changed();
}

bool TSearchFooter::AutoThemeAdapt() const
{
    return d->AutoThemeAdapt;
}

void TSearchFooter::SetAutoThemeAdapt(bool Value)
{
    d->AutoThemeAdapt = Value;
    changed();
}

QString TSearchFooter::LastSearch() const
{
    return d->LastSearch;
}

void TSearchFooter::SetLastSearch(const QString& Value)
{
    d->LastSearch = Value;
}

#pragma once

#include "grid/foundation/objects/ExObj.h"
#include "platform/core/TObject.h"

#include <functional>
#include <memory>

class QObject;

// The options, captions and looks of a grid's search bar. The looks and the
// captions tell the owner through OnChange; the search options are plain
// values the search reads.
class TSearchFooter : public TObject {
public:
    // With InitDesign (a grid placed in the designer) the captions and hints
    // start with their English texts; otherwise they start empty and come from
    // the stored form.
    TSearchFooter(QObject* AOwner, bool InitDesign);
    ~TSearchFooter() override;
    TSearchFooter(const TSearchFooter&) = delete;
    TSearchFooter& operator=(const TSearchFooter&) = delete;

    bool AlwaysHighLight() const;
    void SetAlwaysHighLight(bool Value);
    bool AutoSearch() const;
    void SetAutoSearch(bool Value);
    TColor Color() const;
    void SetColor(TColor Value);
    TColor ColorTo() const;
    void SetColorTo(TColor Value);
    QString FindNextCaption() const;
    void SetFindNextCaption(const QString& Value);
    QString FindPrevCaption() const;
    void SetFindPrevCaption(const QString& Value);
    QString HighLightCaption() const;
    void SetHighLightCaption(const QString& Value);
    QString HintClose() const;
    void SetHintClose(const QString& Value);
    QString HintFindNext() const;
    void SetHintFindNext(const QString& Value);
    QString HintFindPrev() const;
    void SetHintFindPrev(const QString& Value);
    QString HintHighlight() const;
    void SetHintHighlight(const QString& Value);
    QString MatchCaseCaption() const;
    void SetMatchCaseCaption(const QString& Value);
    bool SearchActiveColumnOnly() const;
    void SetSearchActiveColumnOnly(bool Value);
    int SearchColumn() const;
    void SetSearchColumn(int Value);
    bool SearchMatchStart() const;
    void SetSearchMatchStart(bool Value);
    bool SearchFixedCells() const;
    void SetSearchFixedCells(bool Value);
    bool SearchHiddenRows() const;
    void SetSearchHiddenRows(bool Value);
    TSearchDirection SearchDirection() const;
    void SetSearchDirection(TSearchDirection Value);
    bool ShowClose() const;
    void SetShowClose(bool Value);
    bool ShowFindNext() const;
    void SetShowFindNext(bool Value);
    bool ShowFindPrev() const;
    void SetShowFindPrev(bool Value);
    bool ShowHighLight() const;
    void SetShowHighLight(bool Value);
    bool ShowMatchCase() const;
    void SetShowMatchCase(bool Value);
    bool Visible() const;
    void SetVisible(bool Value);
    bool AutoThemeAdapt() const;
    void SetAutoThemeAdapt(bool Value);
    QString LastSearch() const;
    void SetLastSearch(const QString& Value);
    // The owned font; the writer copies the given font.
    TFont* Font() const;
    void SetFont(const TFont& Value);

    QObject* Owner() const;

    // Copies from another TSearchFooter every property except AutoSearch,
    // SearchFixedCells, AutoThemeAdapt and LastSearch (the font by copy); any
    // other source is ignored. Raises no event.
    void Assign(const TObject* Source);

    std::function<void(TObject* Sender)> OnChange;

private:
    void changed();
    struct Data;
    std::unique_ptr<Data> d;
    QObject* m_owner;
    std::unique_ptr<TFont> m_font;
};

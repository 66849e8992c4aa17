#pragma once

// TEditLink: plugs any control in as the editor of edCustom cells, in place
// over the cell or in a pop-up window. The grid opens and closes the link
// through its virtual operations; a descendant supplies the control and the
// value transfer. While the link's control is open, an event filter on it
// hands its keys to EditKeyDown (with the grid's goTabs also Tab) and its loss
// of focus to EditExit. A link that gives no control opens nothing, and the
// cell is then not edited.

#include "platform/core/TObject.h"
#include "platform/ui/paint/Colors.h"
#include "platform/ui/paint/Geometry.h"
#include "platform/ui/controls/InputTypes.h"

#include <QtCore/QObject>

#include <memory>

class QWidget;
class TExStringGrid;
class TFont;

enum TEditStyle { esInplace, esPopup };

class TEditLink : public QObject, public TObject {
    Q_OBJECT

public:
    explicit TEditLink(QObject* AOwner = nullptr);
    ~TEditLink() override;

    bool AutoPopupWidth() const;
    void SetAutoPopupWidth(bool Value);
    TEditStyle EditStyle() const;
    void SetEditStyle(TEditStyle Value);
    // A fixed screen position of the pop-up; -1 in either places it at the cell.
    int PopupLeft() const;
    void SetPopupLeft(int Value);
    int PopupTop() const;
    void SetPopupTop(int Value);
    int PopupWidth() const;
    void SetPopupWidth(int Value);
    int PopupHeight() const;
    void SetPopupHeight(int Value);
    // The keys the control keeps instead of letting them end the edit.
    bool WantKeyLeftRight() const;
    void SetWantKeyLeftRight(bool Value);
    bool WantKeyUpDown() const;
    void SetWantKeyUpDown(bool Value);
    bool WantKeyHomeEnd() const;
    void SetWantKeyHomeEnd(bool Value);
    bool WantKeyPriorNext() const;
    void SetWantKeyPriorNext(bool Value);
    bool WantKeyReturn() const;
    void SetWantKeyReturn(bool Value);
    bool WantKeyEscape() const;
    void SetWantKeyEscape(bool Value);
    bool WantTabs() const;
    void SetWantTabs(bool Value);
    bool WantReturns() const;
    void SetWantReturns(bool Value);
    int Tag() const;
    void SetTag(int Value);

    // Set by the grid each time it opens the editor.
    TExStringGrid* Grid() const;
    void SetGrid(TExStringGrid* Value);
    // The cell being edited: real column and row.
    TPoint EditCell() const;
    void SetEditCell(const TPoint& Value);
    // The frameless stay-on-top window "gridform" of esPopup, made on first
    // use and owned by the link; its deactivation runs FormExit.
    QWidget* PopupForm();
    bool HasPopupForm() const;

    virtual void EditKeyDown(QObject* Sender, Word& Key, TShiftState Shift);
    virtual QWidget* GetEditControl();
    virtual void CreateEditor(QWidget* AParent);
    virtual void DestroyEditor();
    virtual void SetFocus(bool Value);
    virtual void SetRect(const TRect& R);
    virtual void SetVisible(bool Value);
    virtual void SetProperties();
    virtual void SetCellProps(TColor AColor, TFont* AFont);
    virtual QString GetEditorValue();
    virtual void SetEditorValue(const QString& Value);

    void EditExit(QObject* Sender);
    void FormExit(QObject* Sender);
    QString GetCellValue();
    void SetCellValue(const QString& Value);
    QWidget* GetParent();
    void HideEditor();
    void RestoreWinProc();

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    bool isNavigationKey(Word Key, TShiftState Shift) const;
    void closeEdit();
    void leaveToGrid(Word& Key, TShiftState Shift);
    bool controlKey(QObject* Control, QEvent* Event);

    struct Data;
    std::unique_ptr<Data> d;
};

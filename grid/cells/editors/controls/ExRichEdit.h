#pragma once

// The grid's rich edit: the hidden RichEdit that converts, draws and measures
// rich-text cells, and the InplaceRichEdit that edits edRichEdit cells. The
// content is the grid's markup (see ExUtilRichText.h). While the inplace one is
// typed into, the row grows with the text when SizeWhileTyping.Height is set.

#include "platform/ui/controls/RichEdit.h"

class TExStringGrid;

class TExRichEdit : public TRichEdit {
public:
    explicit TExRichEdit(TExStringGrid* AOwner);

    TExStringGrid* Grid() const { return grid_; }

    // The vertical alignment of the selected characters, or of what is typed
    // next when nothing is selected.
    void SelNormal();
    void SelSubscript();
    void SelSuperscript();
    // True when every selected character has that alignment.
    bool IsSelNormal() const;
    bool IsSelSubscript() const;
    bool IsSelSuperscript() const;

    // While locked, the inplace editor's size requests leave the row alone.
    void Lock() { locked_ = true; }
    void Unlock() { locked_ = false; }
    bool Locked() const { return locked_; }

    // The size the content asked for last, kept for the grid's RichEdit.
    int ReqWidth() const { return reqWidth_; }
    int ReqHeight() const { return reqHeight_; }

protected:
    void RequestSize(int width, int height) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    void setSelectionAlignment(int Alignment);
    bool selectionHasAlignment(int Alignment) const;
    void growRow(int Height);

    TExStringGrid* grid_;
    int reqWidth_ = 0;
    int reqHeight_ = 0;
    bool locked_ = false;
};

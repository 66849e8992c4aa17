#pragma once

// The neutral cell checker a grid links through CellChecker: a concrete
// checker derives from it to correct texts or mark their faults when a cell
// is validated after editing and when the grid checks cells on request. On
// validation the correction comes before OnCellValidate, the error marking after
// it. The grid holds the checker through a guarded pointer, so a freed checker
// leaves no link behind.

#include "platform/core/TObject.h"

#include <QtCore/QObject>
#include <QtCore/QString>

class TExStringGridCheck : public QObject, public TObject {
public:
    explicit TExStringGridCheck(QObject* AOwner = nullptr) : QObject(AOwner) {}

    // Each check run makes the cell current and restores the current cell after.
    bool GotoCell = false;
    // Validation after editing passes the new text through Correct, and the
    // validated text through MarkError.
    bool AutoCorrect = false;
    bool AutoMarkError = false;
    // A check run passes each cell's text through Correct and MarkError.
    bool UseCorrect = false;
    bool UseMarkError = false;

    // The text with its faults marked; the base returns it unchanged.
    virtual QString MarkError(int ACol, int ARow, const QString& Value);
    // The corrected text; the base returns it unchanged.
    virtual QString Correct(int ACol, int ARow, const QString& Value);
    virtual void StartCheck();
    virtual void StopCheck();
};

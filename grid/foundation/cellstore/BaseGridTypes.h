#pragma once

// The enumerations, sets and event types declared beside the cell store.

#include "grid/foundation/util/EnumSet.h"

#include <QtCore/QString>

#include <functional>

class TObject;
class TBaseGrid;

// Footer calculation of a cell or column.
enum TColumnCalcType : int { acNONE, acSUM, acAVG, acCOUNT, acMIN, acMAX, acSPREAD, acCUSTOM, acDISTINCT, acSTDDEV };

// Look of selected cells; scoped for the same reason as the sort style.
enum class TGridSelectionStyle : int { ssDefault, ssVista, ssWin7, ssOffice2007 };

enum THoverRowCell : int { hcNormal, hcFixed, hcSelected };
using THoverRowCells = EnumSet<THoverRowCell>;
inline constexpr THoverRowCells DefaultHoverRowCells{hcNormal, hcSelected};

using TGetDisplWideTextEvent = std::function<void(TObject* Sender, int ACol, int ARow, QString& Value)>;
using TExGridUndoRedoEvent = std::function<void(TObject* Sender, TBaseGrid* Grid, int Col, int Row,
                                                const QString& OrigValue, const QString& NewValue)>;

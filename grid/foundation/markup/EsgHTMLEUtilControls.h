#pragma once

// Reading and rewriting the form controls embedded in a markup text
// ("<CONTROL TYPE=... ID=... VALUE=...>"). A control is named by its ID, compared
// exactly; where several controls share an ID the first one counts.

#include <QtCore/QString>

// The text contains "<CONTROL" in any case.
bool HasControlTag(const QString& Text);

// The ID of the first control after the control with the given ID (after the
// start when ID is empty) whose TYPE is neither BUTTON, CHECK nor RADIO; empty
// when there is none.
QString NextEditableControlId(const QString& Text, const QString& ID);

// Every RADIO control gets the VALUE "FALSE".
QString ClearRadioControlTags(const QString& Text);

// The decoded VALUE of the control with that ID, and true; false with Value
// untouched when there is no such control.
bool GetControlTagValue(const QString& Text, const QString& ID, QString& Value);
// Its decoded PROP; empty when there is no such control.
QString GetControlTagProp(const QString& Text, const QString& ID);
// Its MAXLEN read as a number; 0 when absent or when there is no such control.
int GetControlTagMaxLen(const QString& Text, const QString& ID);

// Writes Value, escaped with the character entities, as the VALUE of the control
// with that ID. Only that attribute changes: the rest of the tag and of the text
// stay as written (a control without VALUE gets one before its ">"). Returns
// false and leaves Text unchanged when there is no such control.
bool SetControlTagValue(QString& Text, const QString& ID, const QString& Value);

// Check boxes and the drop-down list size of combo boxes.
#pragma once

#include <QString>

class CComboBox;
class CWnd;

// Checks the button when value is 1 and clears it otherwise.
void SetCheck(int value, CWnd* button);

// The height the drop-down list of count items takes: a line per item and 2.
int ComboDropHeight(int count, int lineHeight);

// Lets the drop-down list show every item, each as high as the text (or "A")
// in the combo box's font. Returns the list height in pixels.
int FitComboDropHeight(CWnd* parent, CComboBox* combo, const QString& text = QString());

// Nothing without items; otherwise the list becomes as wide as the widest
// item (at least the box itself) and shows every item. Returns the width.
int FitComboDropSize(CWnd* parent, CComboBox* combo);

// Where typing starts when a dialog opens. Without this the first field gets the focus
// with the cursor after its text, so "45" typed over "30.000" reads as 30.00045.
#pragma once

class QWidget;

namespace finplan {

// Read-only fields leave the Tab chain (a click still reaches them to copy a value);
// the focus goes to the field the dialog chose, else to the first one Tab reaches,
// and an edit box there has its text selected so that typing replaces it.
void startTyping(QWidget& dialog);

} // namespace finplan

#include "tab_terminal.h"

CTabTerminal::CTabTerminal(COrvikServiceDoc* document, QWidget* view)
    : CUpdatableDialog(document, view) {}

bool CTabTerminal::UpdateDialog() {
    // The terminal asks the register nothing when a connection is made: it starts a new
    // exchange log (it has none yet) and keeps the commands typed so far.
    return true;
}

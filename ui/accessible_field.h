// A numeric field as a screen reader reads it: an editable text whose whole text is one run of
// attributes. Qt 6.4's own line edit reports runs of no length, and Orca, which builds the line it
// speaks from the runs, then reads a field holding 50 as "5" when the focus comes back to it.
//
// A field the focus has left reads as keeping the selection it had, as the classic edit field keeps
// it, hidden. Qt's line edit drops it as the focus leaves and tells a screen reader so, and Orca said
// "Testo non selezionato" at every field left after Tab had selected its value: a change the user
// did not make. Tab selects the whole value again on coming back.
//
// It offers no interface for editing: a tool that types for the user (an on-screen keyboard, speech
// input) then types through keys, which the keystroke filter sees, and cannot write a letter into it.
#pragma once

class QLineEdit;

namespace kx {

void presentAsField(QLineEdit* field);

} // namespace kx

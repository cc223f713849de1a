#pragma once
// Qt's own diagnostics ("QPainter::begin(): Returned false", "Unbalanced
// save/restore") mean nothing to the user of a command: the command says in
// its own words what failed. They are kept out of stderr unless --verbose is
// given; Qt's critical and fatal messages always reach the user.

void installCliQtMessageHandler();

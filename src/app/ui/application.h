#pragma once

// Runs the program: settings, data module, main window and the event loop.
int runCaixa(int argc, char** argv);

#pragma once

#include <csignal>

class SingleInstance;

// The windowed part of the main program, in a module of its own that only the first
// start loads: a later start hands over without loading the GUI libraries.
extern "C" {

// Runs the program's window and event loop for the first instance, which serves its
// topic through `instance`. The termination signals are unblocked, by `restoreMask`,
// once a request to end can wait for the event loop.
int TavolinRunMainWindow(int argc, char** argv, SingleInstance* instance, const sigset_t* restoreMask);
using TavolinRunMainWindowFunction = int (*)(int, char**, SingleInstance*, const sigset_t*);

// Tells the desktop user, in a message box, that the first instance does not answer.
void TavolinShowNotAnswering(int argc, char** argv, const char* message);
using TavolinShowNotAnsweringFunction = void (*)(int, char**, const char*);
}

// The module's file name in the application folder.
inline constexpr char TavolinMainModule[] = "libtavolin-main.so";

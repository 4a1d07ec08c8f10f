// The UI thread and the one way across to it. Windows, dialogs and message
// boxes belong to the UI thread; a worker reaches them only through
// CallOnUiThread (or SendMessage, MessageBoxW and CDialog::DoModal, which use
// it), which lets the worker go when the UI loop ends, so that no worker
// waits for good at quit.
#pragma once

#include <functional>

// True on the thread of the application object, and on any thread while no
// application object exists.
bool IsUiThread();

// Runs call on the UI thread; a worker waits until it has run. False when
// the worker was let go without it (the loop ended or the application went).
bool CallOnUiThread(std::function<void()> call);

// An entry point that only the UI thread may call states it with this check:
// in the checked (test) build a call from another thread ends the program
// with the entry point's name; otherwise the check costs nothing.
#ifdef KESTREL_CHECK_UI_THREAD
void FailNotOnUiThread(const char* entryPoint);
#define KESTREL_ASSERT_UI_THREAD()                                                                           \
    do {                                                                                                     \
        if (!IsUiThread())                                                                                   \
            FailNotOnUiThread(__func__);                                                                     \
    } while (false)
#else
#define KESTREL_ASSERT_UI_THREAD()                                                                           \
    do {                                                                                                     \
    } while (false)
#endif

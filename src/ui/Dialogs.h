// The two message dialogs. Both are modal: they return when dismissed, while
// the event loop keeps delivering ticks and input to the handlers.
#pragma once

#include <string>

class Dialogs {
public:
    virtual ~Dialogs() = default;

    // Plain message: the application title as caption, one OK button that is
    // also the cancel button, no icon, centred on the screen. Unicode text.
    virtual void ShowMessage(const std::u16string& text) = 0;
    // Error raised in a handler: the text (already ending in a full stop), an
    // error icon and OK, titled with the application title.
    virtual void ShowError(const std::string& text) = 0;
};

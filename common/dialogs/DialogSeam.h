#pragma once
// The one way every part of the game shows a message, asks a yes/no question or shows a wait
// note. The program installs the real message dialog; tests install an answerer that records
// each text and answers each question. Without a handler (a run without windows) a message goes
// to standard error and a question answers no.

#include <QString>

namespace tolvekin {

class DialogHandler {
public:
    virtual ~DialogHandler() = default;
    virtual void Message(const QString& text) = 0;  // modal, OK
    virtual bool Question(const QString& text) = 0; // modal, true for yes
    virtual void Status(const QString& text) = 0;   // modeless wait note, no buttons
    virtual void CloseStatus() = 0;                 // unloads a wait note if one is up
    virtual bool StatusShown() const = 0;
};

// Installs handler (not owned); nullptr goes back to the plain fallback. Returns the old one.
DialogHandler* SetDialogHandler(DialogHandler* handler);

void MessageForm(const QString& text);
bool QuestionForm(const QString& text);
void NowStatusForm(const QString& text);
void UnloadMessageForm();
bool MessageFormLoaded();

} // namespace tolvekin

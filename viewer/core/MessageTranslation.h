#pragma once
// The viewer's message table in the language of the installed Qt translation: the windows call
// this once, before they show a message.
namespace ae {

void UseQtTranslationOfMessages();

}  // namespace ae

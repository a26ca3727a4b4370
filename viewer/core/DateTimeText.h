#pragma once
// Date and time as the viewer's protocol lines show them: the user's short date and long time
// formats.
#include <string>

class QDateTime;

namespace ae {

std::string DateTimeText(const QDateTime& moment);
std::string NowText();

}  // namespace ae

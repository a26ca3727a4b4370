#pragma once
// The page of graphs the viewer shows, on paper (the print command): one sheet with the report's
// header and footer and the page's name as its heading, the graphs at the report's resolution
// in the print colours. The sheet is as the printer is set up (the viewer proposes landscape).
#include <QDateTime>
#include <string>

class QPagedPaintDevice;

namespace ae {

class GraphPage;

// The page is left as it was, laid out at its former size with its graphs to render again.
// Raises EViewer with the message for the user.
void PrintGraphPage(QPagedPaintDevice& device, GraphPage& page, const std::string& dataFileName,
                    const QDateTime& made = QDateTime::currentDateTime());

}  // namespace ae

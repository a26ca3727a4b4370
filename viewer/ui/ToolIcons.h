#pragma once
// The tool bar's pictures, drawn so that they are sharp at every size and need no files.
#include <QIcon>

namespace ae {

enum class ToolIcon {
  Open,
  SaveAs,
  DataDependences,
  ColoredChannels,
  DeleteGrouped,
  Undelete,
  Zoom,
  UnZoom,
  ScrollLeft,
  ScrollRight,
  TimeMarks,
  EventView,
  ShadowHits,
};

QIcon MakeToolIcon(ToolIcon icon);

}  // namespace ae

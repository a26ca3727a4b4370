#include "viewer/ui/MouseHost.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMainWindow>

#include "datafiles/EZTData.h"
#include "ui/DialogPlacement.h"
#include "ui/MessageSeam.h"
#include "ui/QtText.h"
#include "viewer/core/ViewerMessages.h"
#include "viewer/graphs/TZTGraph.h"
#include "viewer/ui/StatusPanels.h"
#include "viewer/ui/TFWaveform.h"
#include "viewer/ui/TFrameFinishForm.h"
#include "viewer/ui/TTimeMarkForm.h"
#include "viewer/ui/TZTPageControl.h"

namespace ae {

void MouseHost::ShowCoordinates(const QString& text) {
  if (context_.Status != nullptr) context_.Status->ShowCoordinates(text);
}

void MouseHost::SelectionChanged() { context_.RedrawAndRefresh(); }

void MouseHost::ApplyTimeWindow(const ATimeWindowChange& change) { context_.Pages->ApplyTimeWindow(change); }

int MouseHost::AskFrameOverflow() {
  int choice = foIgnoreNew;  // what a window closed without OK leaves
  TFrameFinishForm dialog(&choice, context_.Window);
  CenterOnOwner(&dialog, context_.Window);
  dialog.exec();
  return choice;
}

void MouseHost::CopyToClipboard(TZTGraph& graph) {
  AOptions& options = *context_.Options;
  TTimeMarkForm dialog(Q(graph.GraphName), options, context_.Window);
  CenterOnOwner(&dialog, context_.Window);
  if (dialog.exec() != QDialog::Accepted) return;
  // 25 millimetres are taken as one inch.
  const int width = options.PrnWidth * options.PrnDPI / 25, height = options.PrnHeight * options.PrnDPI / 25;
  try {
    const QImage copy = graph.RenderCopy(width, height);
    QGuiApplication::clipboard()->setImage(copy);
  } catch (const EZTData&) {
    ShowTimeOrderError(ZTDataSet::EventRule().ErrorTime);
  }
}

void MouseHost::ShowWaveform(std::size_t hit) { TFWaveform::ShowHit(context_.Pages->DataSet(), hit, context_.Window); }

void MouseHost::ShowTimeOrderError(double seconds) {
  MessageSeam::Show(context_.Window, MessageSeam::Kind::Warning, Q(NotSortedMessage(seconds)), Q(ViewerText(vmError)));
}

}  // namespace ae

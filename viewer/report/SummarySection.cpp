#include "viewer/report/SummarySection.h"

#include <QFileInfo>
#include <QStringList>
#include <algorithm>
#include <cmath>

#include "datafiles/DataFileTypes.h"
#include "viewer/core/ChannelList.h"
#include "viewer/core/ReportNumbers.h"
#include "viewer/core/ViewerMessages.h"
#include "viewer/report/HtmlTable.h"

namespace ae {

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }
QString Q(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// Whole numbers as the file information window writes them.
QString Count(std::uint64_t n) { return QString::number(n); }

// A setting as the test setup window shows it: six significant digits.
QString Real(double value) { return QString::number(value, 'g', 6); }

QString Seconds(double seconds) { return Q(Fixed(seconds, 7)) + QStringLiteral(" sec"); }

QString Size(std::uintmax_t bytes) {
  QString text = Count(bytes) + QStringLiteral(" bytes");
  if (bytes >= 1024 * 1024) text += QStringLiteral(" (%1 MB)").arg(bytes / (1024.0 * 1024.0), 0, 'f', 1);
  else if (bytes >= 1024) text += QStringLiteral(" (%1 kB)").arg(bytes / 1024.0, 0, 'f', 1);
  return text;
}

// A table of names and values, each value plain text (several lines kept as lines).
QString Facts(const std::vector<std::pair<QString, QString>>& rows) {
  HtmlTable table = HtmlTable::Facts();
  for (const auto& [name, value] : rows) table.AddRow({name, value});
  return table.Html();
}

// The first and last times of the hits of the data set, for a file that cannot be read again.
bool HitTimes(const ZTDataSet& data, double& first, double& last) {
  bool any = false;
  for (const ZTShortHit& rec : data.Recs) {
    if (!rec.IsHit()) continue;
    const auto t = static_cast<double>(rec.Time.Seconds());
    if (!any) first = t;
    last = t;
    any = true;
  }
  return any;
}

}  // namespace

int SummarySection::Layout(const ReportPageGeometry& page) { return pages_.Layout(Html(), page); }

void SummarySection::Paint(QPainter& painter, int index, const ReportPageGeometry& page) {
  pages_.Paint(painter, index, page);
}

QString SummarySection::Html() const {
  // Two columns: the data on the left, how they are evaluated on the right (with the location
  // setup when the test setup locates).
  return HtmlHeading(Q(content_.Source.Title), 1) +
         QStringLiteral(
             "<table width=\"100%\" border=\"0\" cellspacing=\"0\" cellpadding=\"0\"><tr>"
             "<td width=\"49%\" valign=\"top\">") +
         DataFilePart() + FileInformationPart() + AnalysisPart() +
         QStringLiteral("</td><td width=\"2%\"></td><td width=\"49%\" valign=\"top\">") + TestSetupPart() +
         QStringLiteral("</td></tr></table>\n");
}

QString SummarySection::DataFilePart() const {
  const ZTDataSet& data = content_.Data;
  std::vector<std::pair<QString, QString>> rows = {
      {QStringLiteral("File"), QFileInfo(Q(data.FileName)).absoluteFilePath()},
      {QStringLiteral("Data type"), Q(DataTypeName(data.DataType))},
  };
  if (content_.File.Size) rows.emplace_back(QStringLiteral("Size"), Size(*content_.File.Size));
  return HtmlHeading(QStringLiteral("Data file"), 2) + Facts(rows);
}

QString SummarySection::FileInformationPart() const {
  QString html = HtmlHeading(QStringLiteral("What the file says of itself"), 2);
  if (!content_.File.Summary) {
    return html + HtmlParagraph(QStringLiteral("The file could not be read again: ") + Q(content_.File.Error));
  }
  const ADataFileSummary& summary = *content_.File.Summary;
  std::vector<std::pair<QString, QString>> rows;
  auto text = [&](const char* name, const std::optional<std::string>& value) {
    if (!value) return;
    QStringList lines;
    for (const std::string& line : ADataFileSummary::ShownLines(*value)) lines << Q(line);
    rows.emplace_back(QString::fromLatin1(name), lines.join(QLatin1Char('\n')));
  };
  text("Product definition", summary.Product());
  text("Test Time and Date", summary.Date());
  rows.emplace_back(QStringLiteral("Number of hits"), Count(static_cast<std::uint64_t>(summary.Hits())));
  if (rows.size() > 0) html += Facts(rows);

  // Channels set alike in a row share one line ("1-8"): a setup is mostly the same on every channel.
  HtmlTable channels({QStringLiteral("Chan#"), QStringLiteral("Gain(dB)"), QStringLiteral("TH(dB)"),
                      QStringLiteral("HDT(us)"), QStringLiteral("HLT(us)"), QStringLiteral("PDT(us)")});
  auto settingsOf = [&summary](int channel) {
    QStringList cells;
    bool any = false;
    for (int s = 0; s < ADataFileSummary::SettingCount; ++s) {
      const std::optional<unsigned> value = summary.SettingOf(channel, static_cast<ADataFileSummary::Setting>(s));
      any = any || value.has_value();
      cells << (value ? QString::number(*value) : QStringLiteral("-"));
    }
    return any ? cells : QStringList();
  };
  for (int channel = 0; channel < ADataFileSummary::ChannelCount;) {
    const QStringList cells = settingsOf(channel);
    int last = channel;
    while (!cells.isEmpty() && last + 1 < ADataFileSummary::ChannelCount && settingsOf(last + 1) == cells) ++last;
    if (!cells.isEmpty()) {
      const QString range = last == channel ? QString::number(channel) : QStringLiteral("%1-%2").arg(channel).arg(last);
      channels.AddRow(QStringList{range} + cells);
    }
    channel = last + 1;
  }
  if (channels.Rows() > 0) html += HtmlHeading(QStringLiteral("Channels setup parameters"), 3) + channels.Html();
  return html;
}

QString SummarySection::AnalysisPart() const {
  const ZTDataSet& data = content_.Data;
  const ReportSource& source = content_.Source;
  std::vector<std::pair<QString, QString>> rows = {
      {QStringLiteral("Records"), Count(static_cast<std::uint64_t>(std::max(data.RecCount, 0)))},
      {QStringLiteral("Hits"), Count(data.HitCount)},
  };
  double first = 0.0, last = 0.0;
  bool times = false;
  if (content_.File.Summary && content_.File.Summary->HasTimes()) {
    first = content_.File.Summary->FirstTime();
    last = content_.File.Summary->LastTime();
    times = true;
  } else {
    times = HitTimes(data, first, last);
  }
  if (times) {
    rows.emplace_back(QStringLiteral("First record time"), Seconds(first));
    rows.emplace_back(QStringLiteral("Last record time"), Seconds(last));
  }
  rows.emplace_back(QStringLiteral("Deleted hits"),
                    Count(data.DeletedCount) + QStringLiteral(" (left out of the graphs and the statistics)"));
  rows.emplace_back(QStringLiteral("Framed hits"), Count(data.FramedCount));
  rows.emplace_back(QStringLiteral("Sets"), Q(content_.SetsText));
  const std::string channels = ChannelListText(source.Options.CheckedChan);
  rows.emplace_back(QStringLiteral("Channels"), channels.empty() ? QStringLiteral("none") : Q(channels));
  rows.emplace_back(QStringLiteral("Event view"), source.Options.EventsView
                                                      ? QStringLiteral("on: only the first hit of each event counts")
                                                      : QStringLiteral("off: every hit counts"));
  return HtmlHeading(QStringLiteral("Data of this analysis"), 2) + Facts(rows);
}

QString SummarySection::TestSetupPart() const {
  const ATestSetup& setup = content_.Source.Setup;
  QString html = HtmlHeading(QStringLiteral("Test setup"), 2);
  html += Facts({
      {QStringLiteral("Test setup file"),
       setup.FileName.empty() ? QStringLiteral("none (the defaults)") : Q(setup.FileName)},
      {QStringLiteral("Test label"), Q(setup.TestLabel)},
      {QStringLiteral("Test ThresHold"), QString::number(setup.TestTH)},
      {QStringLiteral("MPT, us"), QString::number(setup.MPT)},
      {QStringLiteral("Lockout, us"), QString::number(setup.Lockout)},
      {QStringLiteral("Parametric data conversion"),
       QStringLiteral(
           "ParV = Data/DivV + ShiftV, ParP = ParV/DivP + ShiftP with DivV %1, ShiftV %2, DivP %3, ShiftP %4")
           .arg(Real(setup.DivisorSys), Real(setup.OffsetSys), Real(setup.DivisorReal), Real(setup.OffsetReal))},
  });

  html += HtmlHeading(QStringLiteral("Pressure holds"), 3);
  if (setup.Holds.empty()) {
    html += HtmlParagraph(QStringLiteral("No pressure holds."));
  } else {
    HtmlTable holds({Q(ViewerMessage(vmHoldLabel)), Q(ViewerMessage(vmHoldPressure)), Q(ViewerMessage(vmHoldStart)),
                     Q(ViewerMessage(vmHoldLength)), Q(ViewerMessage(vmHoldDelay))});
    for (const AHold& hold : setup.Holds)
      holds.AddRow({Q(hold.Label), Real(hold.Pressure), Real(hold.Start), Real(hold.Length), Real(hold.Delay)});
    html += holds.Html();
  }

  html += HtmlHeading(QStringLiteral("ASME - MONPAC+"), 3);
  html += Facts({
      {QStringLiteral("Evaluate ThresHold"), QString::number(setup.EvalTH)},
      {QStringLiteral("High amplitude level"), QString::number(setup.HiAmpLev)},
      {QStringLiteral("Highest energy events number"), QString::number(setup.SevHitNum)},
  });
  // The historic index averages the K most recent of N events; K by the range of N.
  HtmlTable historic({QStringLiteral("Events N"), QStringLiteral("Recent events K of the historic index")},
                     HtmlTable::Align::Left);
  const QString n1 = QString::number(setup.MP_HstLimit1), n2 = QString::number(setup.MP_HstLimit2),
                n3 = QString::number(setup.MP_HstLimit3), n4 = QString::number(setup.MP_HstLimit4);
  historic.AddRow({QStringLiteral("N < %1").arg(n1), QStringLiteral("Historic Index not applicable")});
  historic.AddRow({QStringLiteral("%1 \u2264 N < %2").arg(n1, n2), QStringLiteral("K = N")});
  historic.AddRow(
      {QStringLiteral("%1 \u2264 N < %2").arg(n2, n3), QStringLiteral("K = %1").arg(setup.MP_HstLastHits3)});
  historic.AddRow({QStringLiteral("%1 \u2264 N < %2").arg(n3, n4),
                   QStringLiteral("K = N - ceiling(N \u00D7 %1)").arg(Real(setup.MP_HstLastHits4))});
  historic.AddRow({QStringLiteral("N \u2265 %1").arg(n4), QStringLiteral("K = %1").arg(setup.MP_HstLastHits5)});
  html += historic.Html();

  html += HtmlHeading(QStringLiteral("Local-Dynamic"), 3);
  html += Facts({
      {QStringLiteral("V calculation Exponent"), Real(setup.LDExponent)},
      {QStringLiteral("Classification (maxW/V < ..)"),
       QStringLiteral("Class 1: %1, Class 2: %2, Class 3: %3").arg(setup.Class1).arg(setup.Class2).arg(setup.Class3)},
  });

  const ALocationSetup& location = setup.Location;
  if (location.Active()) {
    html += HtmlHeading(QStringLiteral("Source location"), 3);
    html += Facts({
        {QStringLiteral("Type"), Q(std::string(ALocationSetup::TypeName(location.Type)))},
        {QStringLiteral("Wave speed, m/s"), Real(location.Velocity)},
    });
    const bool linear = location.Type == ALocationType::Linear;
    QStringList header{QStringLiteral("Channel"), QStringLiteral("X, m")};
    if (!linear) header << QStringLiteral("Y, m");
    HtmlTable sensors(header);
    for (const ASensor& sensor : location.Sensors) {
      if (linear) sensors.AddRow({QString::number(sensor.Channel), Real(sensor.X)});
      else sensors.AddRow({QString::number(sensor.Channel), Real(sensor.X), Real(sensor.Y)});
    }
    html += sensors.Html();
  }
  return html;
}

}  // namespace ae

#include "tests/viewer/report/ReportFixture.h"

#include <QFile>

#include "tools/aetool/Generators.h"

namespace ae::test {

ReportFixture::ReportFixture() {
  GenerateDataFile("dta", {600, 5}, file_);
  data_.Load(file_);
}

ReportSource ReportFixture::Source() {
  ReportSource source;
  source.Data = &data_;
  source.GraphSet = 1;
  source.Title = "Vessel V-101 proof test";
  source.Made = QDateTime(QDate(2024, 5, 17), QTime(9, 30));
  return source;
}

std::vector<std::string> ReportFixture::PdfPages(const QByteArray& pdf) {
  const std::string path = dir_.File("look.pdf");
  QFile file(QString::fromStdString(path));
  EXPECT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(pdf);
  file.close();
  return test::PdfPages(path);
}

}  // namespace ae::test

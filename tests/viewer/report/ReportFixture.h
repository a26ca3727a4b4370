#pragma once
// A generated proof test loaded into a data set, a table store with the shipped graph sets in
// the test's folder, and the text pdftotext finds in a PDF, page by page.
#include <QByteArray>
#include <QString>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "datafiles/ZTDataSet.h"
#include "store/ZTDataStore.h"
#include "tests/support/PdfText.h"
#include "tests/support/StoreTestSupport.h"
#include "tests/support/TempDir.h"
#include "viewer/report/ReportSource.h"

namespace ae::test {

class ReportFixture : public ::testing::Test {
 protected:
  ReportFixture();

  // The report of the loaded file: graph set 1 ("Proof test"), a fixed title and date.
  ReportSource Source();
  // The text of every page of a PDF (pdftotext), in page order.
  std::vector<std::string> PdfPages(const QByteArray& pdf);

  TempDir dir_;
  ScopedEnv db_{"ZTDATA_DB", dir_.File("ZTData.sqlite").c_str()};
  ZTDataStore store_;
  std::string file_ = dir_.File("PROOF.DTA");
  ZTDataSet data_;
};

}  // namespace ae::test

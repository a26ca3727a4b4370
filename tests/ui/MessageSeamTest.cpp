// The message seam: the handler answers for the user; without one, a real box of the kind.
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <vector>

#include <gtest/gtest.h>

#include "ui/MessageSeam.h"

namespace ae {
namespace {

using Kind = MessageSeam::Kind;

struct KindCase {
  Kind kind;
  QMessageBox::Icon icon;
  QMessageBox::StandardButtons buttons;
  QMessageBox::StandardButton defaultButton;
  bool answerOfDefault;  // what Show returns when the default button is pressed
};

const std::vector<KindCase> Kinds = {
    {Kind::Error, QMessageBox::Critical, QMessageBox::Ok, QMessageBox::Ok, true},
    {Kind::Warning, QMessageBox::Warning, QMessageBox::Ok, QMessageBox::Ok, true},
    {Kind::Information, QMessageBox::Information, QMessageBox::Ok, QMessageBox::Ok, true},
    {Kind::YesNoWarning, QMessageBox::Warning, QMessageBox::Yes | QMessageBox::No, QMessageBox::No, false},
    {Kind::YesNoQuestion, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes, true},
};

class MessageSeamTest : public ::testing::Test {
 protected:
  void TearDown() override { MessageSeam::ClearHandler(); }
};

TEST_F(MessageSeamTest, TheHandlerSeesEveryBoxAndAnswersOnlyYesNoBoxes) {
  std::vector<MessageSeam::Box> seen;
  MessageSeam::SetHandler([&](const MessageSeam::Box& box) {
    seen.push_back(box);
    return false;  // "No" to every question
  });
  for (const KindCase& c : Kinds) {
    const bool yesNo = c.buttons != QMessageBox::Ok;
    EXPECT_EQ(MessageSeam::AsksYesNo(c.kind), yesNo);
    // OK boxes always give true, whatever the handler says.
    EXPECT_EQ(MessageSeam::Show(nullptr, c.kind, "text", "caption"), !yesNo);
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.back().kind, c.kind);
    EXPECT_EQ(seen.back().text, "text");
    EXPECT_EQ(seen.back().caption, "caption");
  }
  EXPECT_EQ(seen.size(), Kinds.size());

  MessageSeam::SetHandler([](const MessageSeam::Box&) { return true; });
  EXPECT_TRUE(MessageSeam::Show(nullptr, Kind::YesNoWarning, "t", "c"));
}

TEST_F(MessageSeamTest, WithoutAHandlerEachKindOpensItsBox) {
  QWidget owner;
  owner.show();
  for (const KindCase& c : Kinds) {
    SCOPED_TRACE(static_cast<int>(c.kind));
    bool opened = false;
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      ASSERT_NE(box, nullptr);
      opened = true;
      EXPECT_EQ(box->windowTitle(), "Caption");
      EXPECT_EQ(box->text(), "Text");
      EXPECT_EQ(box->icon(), c.icon);
      EXPECT_EQ(box->standardButtons(), c.buttons);
      EXPECT_EQ(box->parentWidget(), &owner);
      ASSERT_NE(box->defaultButton(), nullptr);
      EXPECT_EQ(box->standardButton(box->defaultButton()), c.defaultButton);
      box->defaultButton()->click();
    });
    EXPECT_EQ(MessageSeam::Show(&owner, c.kind, "Text", "Caption"), c.answerOfDefault);
    EXPECT_TRUE(opened);
  }
}

}  // namespace
}  // namespace ae

// Modal windows sit centred over their owner and inside the owner's screen.
#include <QDialog>
#include <QScreen>
#include <QWidget>

#include <gtest/gtest.h>

#include "ui/DialogPlacement.h"

namespace ae {
namespace {

TEST(DialogPlacement, CentredOverTheOwnerAndBackInsideTheScreen) {
  QWidget owner;
  owner.resize(300, 200);
  owner.show();
  const QRect area = owner.screen()->availableGeometry();

  enum class Expect { Centred, AtBottomRight, AtTopLeft };
  struct Case {
    const char* what;
    QPoint ownerAt;
    Expect expect;
  };
  const Case cases[] = {
      {"in the middle", area.center() - QPoint(150, 100), Expect::Centred},
      {"beyond the right and bottom edges", area.bottomRight() - QPoint(50, 40), Expect::AtBottomRight},
      {"beyond the left and top edges", area.topLeft() - QPoint(250, 160), Expect::AtTopLeft},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    owner.move(c.ownerAt);
    QDialog dialog(&owner);
    dialog.setFixedSize(200, 120);
    CenterOnOwner(&dialog, &owner);
    const QRect placed(dialog.pos(), dialog.frameGeometry().size());
    EXPECT_TRUE(area.contains(placed)) << placed.x() << "," << placed.y();
    QRect centred(QPoint(0, 0), placed.size());
    centred.moveCenter(owner.frameGeometry().center());
    switch (c.expect) {
      case Expect::Centred: EXPECT_EQ(placed.topLeft(), centred.topLeft()); break;
      case Expect::AtBottomRight: EXPECT_EQ(placed.bottomRight(), area.bottomRight()); break;
      case Expect::AtTopLeft: EXPECT_EQ(placed.topLeft(), area.topLeft()); break;
    }
  }
  CenterOnOwner(nullptr, &owner);  // nothing to place: nothing happens
}

}  // namespace
}  // namespace ae

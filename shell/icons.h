// The planner's own pictures, painted at start-up: the 25 toolbar images, the
// program icon and the splash page.
#pragma once

#include <QIcon>
#include <QPixmap>

namespace finplan {

QPixmap toolbarImage(int image); // 16 x 16; 0..24
QIcon programIcon();
QPixmap splashPixmap(); // 350 x 350

} // namespace finplan

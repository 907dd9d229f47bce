#pragma once
// The program's "About" menu: the product and support pages, the shop, a mail to the
// makers and the about box. Their addresses are values of the deployment, kept here.
class QMainWindow;

namespace tarnwick {

void AddAboutMenu(QMainWindow& AWindow);

}  // namespace tarnwick

#include "editor/window/AboutMenu.h"

#include <QDesktopServices>
#include <QMainWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QUrl>

namespace tarnwick {

namespace {

const char* const ProductTitle = "Tarnwick";
const char* const Version = "1.0";
const char* const WebPage = "https://tarnwick.org";
const char* const SupportPage = "https://tarnwick.org/support";
const char* const ShopName = "Tarnwick Shop";
const char* const ShopPage = "https://tarnwick.org/shop";
const char* const ContactAddress = "info@tarnwick.org";
const char* const OwnerNotice = "Copyright (c) 2026 the Tarnwick developers.";

// One row per entry; a null caption is a separator.
struct TAboutEntry {
  const char* Caption;
  const char* Url;
};

const TAboutEntry Entries[] = {
    {"Tarnwick", WebPage},   {"Tarnwick - Support", SupportPage}, {nullptr, nullptr},
    {ShopName, ShopPage},    {"Contact us (e-mail)", nullptr},     {nullptr, nullptr},
    {"About...", nullptr},
};

}  // namespace

void AddAboutMenu(QMainWindow& AWindow) {
  QMenu* about = AWindow.menuBar()->addMenu(QStringLiteral("About"));
  about->setObjectName(QStringLiteral("AboutMenu"));
  for (const TAboutEntry& entry : Entries) {
    if (!entry.Caption) {
      about->addSeparator();
      continue;
    }
    const QString caption = QString::fromUtf8(entry.Caption);
    QAction* action = about->addAction(caption);
    if (entry.Url) {
      const QUrl url(QString::fromLatin1(entry.Url));
      QObject::connect(action, &QAction::triggered, &AWindow, [url] { QDesktopServices::openUrl(url); });
    } else if (caption.startsWith(QStringLiteral("Contact"))) {
      const QUrl mail(QStringLiteral("mailto:%1?subject=%2")
                          .arg(QString::fromLatin1(ContactAddress), QStringLiteral("Tarnwick Question")));
      QObject::connect(action, &QAction::triggered, &AWindow, [mail] { QDesktopServices::openUrl(mail); });
    } else {
      QObject::connect(action, &QAction::triggered, &AWindow, [&AWindow] {
        const QString text = QStringLiteral("%1 %2\n%3\nE-mail: %4\n%5")
                                 .arg(QString::fromLatin1(ProductTitle), QString::fromLatin1(Version),
                                      QString::fromLatin1(WebPage), QString::fromLatin1(ContactAddress),
                                      QString::fromUtf8(OwnerNotice));
        QMessageBox::about(&AWindow, QStringLiteral("About Tarnwick"), text);
      });
    }
  }
}

}  // namespace tarnwick

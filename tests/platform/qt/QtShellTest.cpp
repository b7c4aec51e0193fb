#include "platform/qt/QtShell.h"

#include <QDesktopServices>
#include <QObject>
#include <QUrl>
#include <gtest/gtest.h>

namespace korvane {
namespace {

// Stands in for the desktop: receives the links the shell hands out.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls.push_back(url); }
};

TEST(QtShell, HandsFoldersAndMailLinksToTheDesktop) {
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler("file", &catcher, "open");
    QDesktopServices::setUrlHandler("mailto", &catcher, "open");
    QtShell shell;
    shell.openFolder("/games/Serious Sam/Мои архивы");
    shell.openUrl("mailto:someone@example.com?subject=Bug in Korvane v1.5");
    QDesktopServices::unsetUrlHandler("file");
    QDesktopServices::unsetUrlHandler("mailto");

    ASSERT_EQ(catcher.urls.size(), 2);
    EXPECT_EQ(catcher.urls[0].toLocalFile(), QString::fromUtf8("/games/Serious Sam/Мои архивы"));
    const QUrl mail = catcher.urls[1];
    EXPECT_EQ(mail.scheme(), "mailto");
    EXPECT_EQ(mail.path(), "someone@example.com");
    EXPECT_EQ(mail.query(QUrl::FullyDecoded), "subject=Bug in Korvane v1.5");
}

} // namespace
} // namespace korvane

#include "QtShellTest.moc"

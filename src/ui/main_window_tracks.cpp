// The main window's tracks from elsewhere than the open dialog: a drop, the
// list of recent tracks.
#include "ui/main_window.h"

#include "platform/file_system.h"
#include "platform/message_text.h"
#include "settings/dropped_tracks.h"
#include "settings/track_list_text.h"
#include "ui/dialogs.h"
#include "ui/drop_events.h"
#include "ui/qt_text.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>

#include <algorithm>

namespace qm {
namespace {

// At most this many of the URLs dropped are named in a box, and this many
// characters of a text.
constexpr qsizetype kUrlsNamed = 3;
constexpr qsizetype kTextShown = 60;
// The widest entry of the recent tracks; a longer path loses its middle.
constexpr int kMenuEntryWidth = 560;

// What a drop that gave no local file brought, for the box that refuses it.
QString WhatWasDropped(const DropContents& dropped)
{
    if (!dropped.Urls.isEmpty()) {
        QStringList named;
        for (qsizetype i = 0; i < std::min(kUrlsNamed, dropped.Urls.size()); ++i)
            named << dropped.Urls[i].toDisplayString();
        if (dropped.Urls.size() > kUrlsNamed) named << "…";
        return named.join(", ");
    }
    const QString text = dropped.Text.simplified();
    if (text.isEmpty()) return MainWindow::tr("не файл и не текст");
    return MainWindow::tr("текст «%1»").arg(text.size() > kTextShown ? text.left(kTextShown) + "…" : text);
}

}  // namespace

bool MainWindow::TakesDrops() const { return isEnabled() && trackEdit->isEnabled(); }

void MainWindow::DropTrack(const DropContents& dropped)
{
    if (!TakesDrops()) return;
    std::vector<std::string> urls;
    for (const QUrl& url : dropped.Urls) urls.push_back(ToStd(url.toString(QUrl::FullyEncoded)));
    const DroppedTracks tracks = TracksOfDrop(urls);
    switch (tracks.Refusal) {
    case DropRefusal::None:
        OpenTracks(tracks.Paths);
        TrackOpened(tracks.Paths);
        break;
    case DropRefusal::NothingLocal:
        dialogs_.ShowMessage(ToStd(tr("Перетащено: %1\nОткрыть можно только файл трека на этом компьютере.")
                                       .arg(WhatWasDropped(dropped))));
        break;
    case DropRefusal::Folder:
        dialogs_.ShowError(tracks.Paths.front() + ": " + MessageText(MessageId::TrackIsDirectory));
        break;
    }
}

void MainWindow::TrackOpened(const std::vector<std::string>& paths)
{
    std::vector<std::string> absolute;
    for (const std::string& path : paths) absolute.push_back(AbsolutePath(path));
    if (settings_.RECENT.Opened(TrackListText(absolute))) settings_.SettingsChanged = true;
}

void MainWindow::ShowRecentTracks()
{
    if (!trackEdit->isEnabled()) return;
    if (!recentTracksMenu) {
        recentTracksMenu = new QMenu(this);
        recentTracksMenu->setObjectName("recentTracksMenu");
        recentTracksMenu->setToolTipsVisible(true);
        connect(recentTracksMenu, &QMenu::triggered, this, [this](QAction* entry) {
            const std::string text = ToStd(entry->data().toString());
            if (text.empty()) return;
            const std::vector<std::string> paths = TrackListOfText(text, FileExists);
            OpenTracks(paths);
            TrackOpened(paths);
        });
    }
    recentTracksMenu->clear();
    // Whatever was moved or deleted since is left out, but stays listed in
    // case it comes back.
    const std::vector<std::string> paths = settings_.RECENT.Existing();
    const QFontMetrics metrics(recentTracksMenu->font());
    for (const std::string& path : paths) {
        const QString text = ToQt(path);
        // "&" would mark a shortcut letter.
        QAction* entry = recentTracksMenu->addAction(
            metrics.elidedText(text, Qt::ElideMiddle, kMenuEntryWidth).replace('&', "&&"));
        entry->setData(text);
        entry->setToolTip(text);
    }
    if (paths.empty()) recentTracksMenu->addAction(tr("Недавних треков нет"))->setEnabled(false);
    recentTracksMenu->setMinimumWidth(trackEdit->width());
    recentTracksMenu->popup(trackEdit->mapToGlobal(QPoint(0, trackEdit->height())));
}

}  // namespace qm

#include "ui/widgets/track_file_dialog.h"

#include <QFileSystemModel>
#include <QRegularExpression>
#include <QSortFilterProxyModel>

#include <algorithm>

namespace qm {

class NamePatternFilter : public QSortFilterProxyModel {
public:
    // One or more wildcard patterns separated by blanks ("*.plt *.gpx").
    void SetPattern(const QString& pattern)
    {
        patterns_.clear();
        for (const QString& one : pattern.split(' ', Qt::SkipEmptyParts))
            patterns_.append(QRegularExpression(QRegularExpression::wildcardToRegularExpression(one),
                                                QRegularExpression::CaseInsensitiveOption));
        invalidateFilter();
    }

protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override
    {
        auto* files = static_cast<const QFileSystemModel*>(sourceModel());
        const QModelIndex index = files->index(row, 0, parent);
        if (files->isDir(index)) return true;
        const QString name = files->fileName(index);
        return std::any_of(patterns_.begin(), patterns_.end(),
                           [&](const QRegularExpression& one) { return one.match(name).hasMatch(); });
    }

private:
    QList<QRegularExpression> patterns_;
};

namespace {

bool IsPattern(const QString& name) { return name.contains('*') || name.contains('?'); }

}  // namespace

TrackFileDialog::TrackFileDialog(QWidget* parent, const QString& title, const QString& directory,
                                 const QString& pattern)
    : QFileDialog(parent, title, directory), filter_(new NamePatternFilter)
{
    setOption(QFileDialog::DontUseNativeDialog);
    setFileMode(QFileDialog::ExistingFiles);
    setAcceptMode(QFileDialog::AcceptOpen);
    filter_->SetPattern(pattern);
    setProxyModel(filter_);
    selectFile(pattern);
    // The pattern in the name field is the only filter: no list of file types.
    for (const char* name : {"fileTypeCombo", "fileTypeLabel"})
        if (auto* control = findChild<QWidget*>(name)) control->hide();
}

void TrackFileDialog::accept()
{
    const QStringList files = selectedFiles();
    const QString name = files.isEmpty() ? QString() : QFileInfo(files.first()).fileName();
    if (IsPattern(name)) {
        filter_->SetPattern(name);
        return;
    }
    QFileDialog::accept();
}

}  // namespace qm

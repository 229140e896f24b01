#include "ui/track_file_dialog.h"

#include <QFileSystemModel>
#include <QRegularExpression>
#include <QSortFilterProxyModel>

namespace qm {

class NamePatternFilter : public QSortFilterProxyModel {
public:
    void SetPattern(const QString& pattern)
    {
        pattern_ = QRegularExpression(QRegularExpression::wildcardToRegularExpression(pattern),
                                      QRegularExpression::CaseInsensitiveOption);
        invalidateFilter();
    }

protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override
    {
        auto* files = static_cast<const QFileSystemModel*>(sourceModel());
        const QModelIndex index = files->index(row, 0, parent);
        return files->isDir(index) || pattern_.match(files->fileName(index)).hasMatch();
    }

private:
    QRegularExpression pattern_;
};

namespace {

bool IsPattern(const QString& name) { return name.contains('*') || name.contains('?'); }

}  // namespace

TrackFileDialog::TrackFileDialog(QWidget* parent, const QString& title, const QString& directory,
                                 const QString& pattern)
    : QFileDialog(parent, title, directory), filter_(new NamePatternFilter)
{
    setOption(QFileDialog::DontUseNativeDialog);
    setFileMode(QFileDialog::ExistingFile);
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

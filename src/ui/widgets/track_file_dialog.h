#pragma once

#include <QFileDialog>

namespace qm {

class NamePatternFilter;

// Qt's open dialog for existing files, which also treats a pattern in its
// name field the way the platform dialogs do: it shows only the files that
// match it (folders always), and Enter on a typed pattern filters again
// instead of opening. It starts with a pattern in the name field.
class TrackFileDialog : public QFileDialog {
    Q_OBJECT
public:
    TrackFileDialog(QWidget* parent, const QString& title, const QString& directory, const QString& pattern);

protected:
    void accept() override;

private:
    NamePatternFilter* filter_;
};

}  // namespace qm

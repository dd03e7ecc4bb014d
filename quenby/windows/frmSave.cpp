#include "quenby/windows/frmSave.h"

#include "platform/core/Clock.h"
#include "platform/core/Dialogs.h"
#include "platform/core/Services.h"
#include "platform/widgets/FormKit.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStorageInfo>
#include <QStyle>
#include <QTreeWidget>

#include <utility>

namespace {

constexpr int kPathRole = Qt::UserRole;
const QString kTextFiles = QStringLiteral("*.txt");

// The folder list draws its levels by indentation alone: its items open by a double-click, not
// by expand arrows.
class FolderTree : public QTreeWidget
{
public:
    using QTreeWidget::QTreeWidget;

protected:
    void drawBranches(QPainter *, const QRect &, const QModelIndex &) const override { }
};

QString cleanFolder(const QString &path)
{
    return QDir::cleanPath(QDir(QDir::fromNativeSeparators(path)).absolutePath());
}

// What the drive box shows for a volume: its top folder, and its name when it has one of its own.
QString volumeText(const QString &root, const QString &name)
{
    QString text = QDir::toNativeSeparators(root);
    if (!name.isEmpty() && name != root)
        text += QStringLiteral(" [%1]").arg(name);
    return text;
}

// How a folder of the chain is shown: its name, or the whole path for a top folder.
QString folderText(const QString &folder)
{
    const QString name = QDir(folder).dirName();
    if (name.isEmpty() || folder.endsWith(QLatin1Char('/')))
        return QDir::toNativeSeparators(folder);
    return name;
}

} // namespace

frmSave::frmSave(QWidget *parent) : QWidget(parent)
{
    form::setupFixedWindow(this, QStringLiteral("frmSave"), QStringLiteral("保存为"), 4470, 3570);
    // A dialog: a caption and a close box only.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    addControls();
    form::chainTabOrder({Dir1, txtFileName, Drive1, cmdSave, cmdCancel, File1});

    connect(cmdSave, &QPushButton::clicked, this, &frmSave::cmdSave_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmSave::cmdCancel_Click);
    connect(Dir1, &QTreeWidget::itemActivated, this, &frmSave::Dir1_Activated);

    Form_Load();
    connect(Drive1, &QComboBox::currentIndexChanged, this, &frmSave::Drive1_Change);
    Dir1->setFocus();
}

void frmSave::addControls()
{
    Label2 = form::addLabel(this, "Label2", QStringLiteral("保存在："), {120, 120, 855, 255}, font());
    Drive1 = form::add<QComboBox>(this, "Drive1", {840, 0, 3255, 300});
    Drive1->setAccessibleName(QStringLiteral("驱动器"));

    Dir1 = form::add<FolderTree>(this, "Dir1", {840, 360, 3255, 1140});
    Dir1->setHeaderHidden(true);
    Dir1->setRootIsDecorated(false);
    Dir1->setItemsExpandable(false);
    Dir1->setIndentation(12);
    Dir1->setUniformRowHeights(true);
    Dir1->setAccessibleName(QStringLiteral("文件夹"));

    File1 = form::add<QListWidget>(this, "File1", {840, 1560, 3255, 1170});
    File1->setAccessibleName(QStringLiteral("文本文件列表"));

    Label1 = form::addLabel(this, "Label1", QStringLiteral("文件名："), {120, 3120, 735, 375}, font());
    txtFileName = form::add<QLineEdit>(this, "txtFileName", {840, 3000, 1575, 375});
    txtFileName->setText(QStringLiteral("test1.txt"));
    txtFileName->setAccessibleName(QStringLiteral("文件名"));
    form::useChineseEditMenu(txtFileName);
    Label1->setBuddy(txtFileName);

    cmdSave = form::add<QPushButton>(this, "cmdSave", QStringLiteral("保存"), {2520, 3000, 855, 495}, font());
    cmdCancel
        = form::add<QPushButton>(this, "cmdCancel", QStringLiteral("取消"), {3480, 3000, 855, 495}, font());
    for (QPushButton *button : {cmdSave, cmdCancel})
        button->setAccessibleName(button->text());
}

void frmSave::Form_Load()
{
    // There are no drive letters here: the volumes stand in for the drives, and the dialog starts
    // on the volume of the home folder, in the home folder.
    fillDrives();
    openFolder(QDir::homePath());
}

void frmSave::fillDrives()
{
    QMap<QString, QString> names; // volume name by top folder, in the order of the top folders
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        if (volume.isValid())
            names.insert(volume.rootPath(), volume.name());
    }
    const QString homeRoot = QStorageInfo(QDir::homePath()).rootPath();
    if (!homeRoot.isEmpty() && !names.contains(homeRoot))
        names.insert(homeRoot, QString());
    if (names.isEmpty())
        names.insert(QDir::rootPath(), QString());

    const QSignalBlocker block(Drive1);
    Drive1->clear();
    for (auto it = names.cbegin(); it != names.cend(); ++it)
        Drive1->addItem(volumeText(it.key(), it.value()), it.key());
}

void frmSave::showDriveOf(const QString &path)
{
    const QString root = QStorageInfo(path).rootPath();
    const int index = Drive1->findData(root);
    if (index < 0)
        return;
    m_driveFolder.insert(root, path);
    if (index != Drive1->currentIndex()) {
        const QSignalBlocker block(Drive1);
        Drive1->setCurrentIndex(index);
    }
    m_driveIndex = index;
}

void frmSave::Drive1_Change()
{
    const int index = Drive1->currentIndex();
    if (index < 0 || index == m_driveIndex)
        return;
    const QString root = Drive1->itemData(index).toString();
    if (!QStorageInfo(root).isReady() || !QDir(root).isReadable()) {
        // A volume that cannot be read: stay where the dialog was.
        {
            const QSignalBlocker block(Drive1);
            Drive1->setCurrentIndex(m_driveIndex);
        }
        services::dialogs().inform(
            this, QStringLiteral("驱动器 %1 未就绪。").arg(QDir::toNativeSeparators(root)), windowTitle());
        return;
    }
    m_driveIndex = index;
    // Each volume keeps the folder last opened on it in this dialog; at first its top folder.
    QString folder = m_driveFolder.value(root, root);
    if (!QDir(folder).exists())
        folder = root;
    openFolder(folder);
}

void frmSave::openFolder(const QString &path)
{
    m_openFolder = cleanFolder(path);
    fillFolderTree();
    showDriveOf(m_openFolder);
    Dir1_Change();
}

// The folders from the top down to the open one, each opened, then the open one's folders.
void frmSave::fillFolderTree()
{
    Dir1->clear();
    const QIcon openIcon = Dir1->style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closedIcon = Dir1->style()->standardIcon(QStyle::SP_DirClosedIcon);
    QTreeWidgetItem *parent = nullptr;
    for (const QString &folder : exporttext::folderChain(m_openFolder)) {
        auto *item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(Dir1);
        item->setText(0, folderText(folder));
        item->setIcon(0, openIcon);
        item->setData(0, kPathRole, folder);
        parent = item;
    }
    QTreeWidgetItem *current = parent;
    const QFileInfoList subfolders = QDir(m_openFolder)
                                         .entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot,
                                                        QDir::Name | QDir::IgnoreCase | QDir::LocaleAware);
    for (const QFileInfo &info : subfolders) {
        auto *item = new QTreeWidgetItem(current);
        item->setText(0, info.fileName());
        item->setIcon(0, closedIcon);
        item->setData(0, kPathRole, info.absoluteFilePath());
    }
    Dir1->expandAll();
    Dir1->setCurrentItem(current);
    Dir1->scrollToItem(current);
}

void frmSave::Dir1_Activated(QTreeWidgetItem *item)
{
    if (!item)
        return;
    const QString path = item->data(0, kPathRole).toString();
    if (!path.isEmpty() && path != m_openFolder)
        openFolder(path);
}

void frmSave::Dir1_Change()
{
    // The file list only shows what is there: choosing a file in it changes nothing else.
    m_fileListFolder = m_openFolder;
    File1->clear();
    File1->addItems(
        QDir(m_fileListFolder)
            .entryList({kTextFiles}, QDir::Files, QDir::Name | QDir::IgnoreCase | QDir::LocaleAware));
}

void frmSave::cmdCancel_Click()
{
    close();
}

void frmSave::cmdSave_Click()
{
    if (!confirmSaving()) {
        close();
        return;
    }
    saveAndReport();
}

void frmSave::setContentSource(std::function<SaveContent()> source)
{
    m_contentSource = std::move(source);
}

SaveContent frmSave::currentContent() const
{
    return m_contentSource ? m_contentSource() : SaveContent {};
}

// Whether there is something to save and the user wants it saved; says so when there is nothing.
bool frmSave::confirmSaving()
{
    // What to save is read again after the message box: nothing of another window is kept across it.
    const SaveContent content = currentContent();
    if (content.expression.isEmpty() && content.marks.isEmpty()) {
        services::dialogs().inform(this, QStringLiteral("没有数据"), QStringLiteral("请输入数据"));
        return false;
    }
    return services::dialogs().confirm(this, QStringLiteral("确定保存吗？"), QStringLiteral("保存"),
                                       Dialogs::Icon::Question);
}

// Appends the statistics report while the score list holds marks, else the calculation record.
void frmSave::saveAndReport()
{
    const QString folder = m_fileListFolder;
    const QString fileName = txtFileName->text();
    const SaveContent content = currentContent();
    const exporttext::AppendOutcome outcome = content.marks.isEmpty()
        ? WriteCalcRecord(folder, fileName, content)
        : WriteScoreReport(folder, fileName, content);
    if (!outcome.ok) {
        // Nothing was written: say why and stay open, so that another folder or name can be tried.
        services::dialogs().inform(this,
                                   QStringLiteral("无法保存到文件：\n%1\n\n%2")
                                       .arg(QDir::toNativeSeparators(outcome.path), outcome.reason),
                                   QStringLiteral("保存失败"));
        activateWindow();
        txtFileName->setFocus();
        return;
    }
    services::dialogs().inform(this, QString(), QStringLiteral("已保存"));
    close();
}

exporttext::AppendOutcome frmSave::WriteCalcRecord(const QString &folder, const QString &fileName,
                                                   const SaveContent &content)
{
    const QStringList lines = exporttext::calcRecordLines(content.expression, content.result,
                                                          exporttext::timeStampText(services::clock().now()));
    return exporttext::appendLines(folder, fileName, lines);
}

exporttext::AppendOutcome frmSave::WriteScoreReport(const QString &folder, const QString &fileName,
                                                    const SaveContent &content)
{
    const QStringList lines = exporttext::scoreReportLines(
        content.marks, content.results, exporttext::timeStampText(services::clock().now()));
    return exporttext::appendLines(folder, fileName, lines);
}

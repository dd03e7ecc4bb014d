#include "windows/frmSave.h"

#include "core/Dialogs.h"
#include "core/Services.h"
#include "widgets/Twips.h"
#include "widgets/WindowRegistry.h"
#include "windows/FrmCal.h"
#include "windows/frmTj.h"

#include "core/Clock.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStorageInfo>
#include <QStyle>
#include <QTreeWidget>

namespace {

constexpr int kPathRole = Qt::UserRole;

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

} // namespace

frmSave::frmSave(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmSave"));
    setWindowTitle(QStringLiteral("保存为"));
    // A fixed-size dialog: a caption and a close box only.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    twips::setClientSize(this, 4470, 3570);

    Label2 = new QLabel(QStringLiteral("保存在："), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    twips::place(Label2, 120, 120, 855, 255);

    Drive1 = new QComboBox(this);
    Drive1->setObjectName(QStringLiteral("Drive1"));
    twips::place(Drive1, 840, 0, 3255, 300);

    Dir1 = new FolderTree(this);
    Dir1->setObjectName(QStringLiteral("Dir1"));
    Dir1->setHeaderHidden(true);
    Dir1->setRootIsDecorated(false);
    Dir1->setItemsExpandable(false);
    Dir1->setIndentation(12);
    Dir1->setUniformRowHeights(true);
    twips::place(Dir1, 840, 360, 3255, 1140);

    File1 = new QListWidget(this);
    File1->setObjectName(QStringLiteral("File1"));
    twips::place(File1, 840, 1560, 3255, 1170);

    Label1 = new QLabel(QStringLiteral("文件名："), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    twips::place(Label1, 120, 3120, 735, 375);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    txtFileName = new QLineEdit(QStringLiteral("test1.txt"), this);
    txtFileName->setObjectName(QStringLiteral("txtFileName"));
    twips::place(txtFileName, 840, 3000, 1575, 375);

    cmdSave = new QPushButton(QStringLiteral("保存"), this);
    cmdSave->setObjectName(QStringLiteral("cmdSave"));
    twips::place(cmdSave, 2520, 3000, 855, 495);

    cmdCancel = new QPushButton(QStringLiteral("取消"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    twips::place(cmdCancel, 3480, 3000, 855, 495);

    setTabOrder(Dir1, txtFileName);
    setTabOrder(txtFileName, Drive1);
    setTabOrder(Drive1, cmdSave);
    setTabOrder(cmdSave, cmdCancel);
    setTabOrder(cmdCancel, File1);

    connect(cmdSave, &QPushButton::clicked, this, &frmSave::cmdSave_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmSave::cmdCancel_Click);
    connect(Dir1, &QTreeWidget::itemActivated, this, &frmSave::Dir1_Activated);

    Form_Load();
    connect(Drive1, &QComboBox::currentIndexChanged, this, &frmSave::Drive1_Change);
    Dir1->setFocus();
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
    QStringList roots;
    QMap<QString, QString> names;
    const auto volumes = QStorageInfo::mountedVolumes();
    for (const QStorageInfo &volume : volumes) {
        if (!volume.isValid())
            continue;
        roots << volume.rootPath();
        names.insert(volume.rootPath(), volume.name());
    }
    const QString homeRoot = QStorageInfo(QDir::homePath()).rootPath();
    if (!homeRoot.isEmpty() && !roots.contains(homeRoot))
        roots << homeRoot;
    if (roots.isEmpty())
        roots << QDir::rootPath();
    roots.removeDuplicates();
    roots.sort();

    const QSignalBlocker block(Drive1);
    Drive1->clear();
    for (const QString &root : roots) {
        QString text = QDir::toNativeSeparators(root);
        const QString name = names.value(root);
        if (!name.isEmpty() && name != root)
            text += QStringLiteral(" [%1]").arg(name);
        Drive1->addItem(text, root);
    }
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
    const QStorageInfo volume(root);
    if (!volume.isReady() || !QDir(root).isReadable()) {
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
    m_dirPath = cleanFolder(path);

    Dir1->clear();
    const QStyle *style = Dir1->style();
    const QIcon openIcon = style->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closedIcon = style->standardIcon(QStyle::SP_DirClosedIcon);

    // The folders from the top down to the open one, each opened, then the open one's folders.
    QTreeWidgetItem *parent = nullptr;
    for (const QString &folder : FolderChain(m_dirPath)) {
        const QString name = QDir(folder).dirName();
        auto *item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(Dir1);
        item->setText(
            0, name.isEmpty() || folder.endsWith(QLatin1Char('/')) ? QDir::toNativeSeparators(folder) : name);
        item->setIcon(0, openIcon);
        item->setData(0, kPathRole, folder);
        parent = item;
    }
    QTreeWidgetItem *current = parent;
    const QFileInfoList subfolders = QDir(m_dirPath).entryInfoList(
        QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase | QDir::LocaleAware);
    for (const QFileInfo &info : subfolders) {
        auto *item = new QTreeWidgetItem(current);
        item->setText(0, info.fileName());
        item->setIcon(0, closedIcon);
        item->setData(0, kPathRole, info.absoluteFilePath());
    }
    Dir1->expandAll();
    Dir1->setCurrentItem(current);
    Dir1->scrollToItem(current);

    showDriveOf(m_dirPath);
    Dir1_Change();
}

void frmSave::Dir1_Activated(QTreeWidgetItem *item)
{
    if (!item)
        return;
    const QString path = item->data(0, kPathRole).toString();
    if (!path.isEmpty() && path != m_dirPath)
        openFolder(path);
}

void frmSave::Dir1_Change()
{
    // The file list only shows what is there: choosing a file in it changes nothing else.
    m_filePath = m_dirPath;
    File1->clear();
    File1->addItems(QDir(m_filePath)
                        .entryList({QStringLiteral("*.txt")}, QDir::Files,
                                   QDir::Name | QDir::IgnoreCase | QDir::LocaleAware));
}

void frmSave::cmdCancel_Click()
{
    close();
}

void frmSave::cmdSave_Click()
{
    WindowRegistry &windows = WindowRegistry::instance();
    Dialogs &dialogs = services::dialogs();

    // A window that is not open counts as empty. No window pointer is kept across a message box.
    const FrmCal *calculator = windows.find<FrmCal>();
    const QString expression = calculator ? calculator->inputText() : QString();
    const frmTj *statistics = windows.find<frmTj>();
    const int marks = statistics ? statistics->markCount() : 0;

    if (expression.isEmpty() && marks == 0) {
        dialogs.inform(this, QStringLiteral("没有数据"), QStringLiteral("请输入数据"));
        close();
        return;
    }
    if (!dialogs.confirm(this, QStringLiteral("确定保存吗？"), QStringLiteral("保存"),
                         Dialogs::Icon::Question)) {
        close();
        return;
    }

    const QString folder = m_filePath;
    const QString fileName = txtFileName->text();
    statistics = windows.find<frmTj>();
    const AppendOutcome outcome = statistics && statistics->markCount() > 0
        ? WriteScoreReport(folder, fileName)
        : WriteCalcRecord(folder, fileName);
    if (!outcome.ok) {
        // Nothing was written: say why and stay open, so that another folder or name can be tried.
        dialogs.inform(this,
                       QStringLiteral("无法保存到文件：\n%1\n\n%2")
                           .arg(QDir::toNativeSeparators(outcome.path), outcome.reason),
                       QStringLiteral("保存失败"));
        activateWindow();
        txtFileName->setFocus();
        return;
    }
    dialogs.inform(this, QString(), QStringLiteral("已保存"));
    close();
}

AppendOutcome frmSave::WriteCalcRecord(const QString &folder, const QString &fileName)
{
    const FrmCal *calculator = WindowRegistry::instance().find<FrmCal>();
    const QStringList lines = CalcRecordLines(calculator ? calculator->inputText() : QString(),
                                              calculator ? calculator->outputText() : QString(),
                                              TimeStampText(services::clock().now()));
    return AppendLines(folder, fileName, lines);
}

AppendOutcome frmSave::WriteScoreReport(const QString &folder, const QString &fileName)
{
    const frmTj *statistics = WindowRegistry::instance().find<frmTj>();
    const QStringList lines = ScoreReportLines(statistics ? statistics->markTexts() : QStringList(),
                                               statistics ? statistics->resultTexts() : QStringList(),
                                               TimeStampText(services::clock().now()));
    return AppendLines(folder, fileName, lines);
}

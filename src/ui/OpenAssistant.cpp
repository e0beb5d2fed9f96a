#include "OpenAssistant.h"

#include "OpenAssistantPreviewModel.h"
#include "PresetControls.h"

#include "document/CSVOpenAssistantPreview.h"
#include "foundation/LocalizedStrings.h"
#include "kit/ZRNLineNumberRulerWithMarker.h"
#include "kit/ZRNSheetPresentation.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>

namespace {

constexpr int s_columnWidth = 200;
constexpr int s_minimumColumnWidth = 100;

} // namespace

OpenAssistant *OpenAssistant::begin(std::unique_ptr<CSVOpenAssistantPreview> preview,
                                    Purpose purpose, QWidget *window, Completion completion)
{
    auto *assistant = new OpenAssistant(std::move(preview), purpose, window);
    ZRNSheetPresentation::sharedPresentation().prepareSheetPresentationForWindow(window);
    connect(assistant, &QDialog::finished, assistant, [assistant, window, completion](int result) {
        assistant->hide();
        ZRNSheetPresentation::sharedPresentation().cleanUpSheetPresentationForWindow(window);
        completion(*assistant->m_preview, result == QDialog::Accepted);
        assistant->deleteLater();
    });
    // Not open(), which would make it window-modal also without a window, blocking nothing.
    assistant->show();
    return assistant;
}

OpenAssistant::OpenAssistant(std::unique_ptr<CSVOpenAssistantPreview> preview, Purpose purpose,
                             QWidget *window)
    : QDialog(window)
    , m_preview(std::move(preview))
    , m_controls(new PresetControls(PresetControls::Purpose::Reading, this))
    , m_tableView(new QTableView(this))
    , m_model(new OpenAssistantPreviewModel(*m_preview, this))
    , m_warning(makeWarning())
{
    setObjectName(QStringLiteral("openAssistantWindow"));
    setWindowModality(window ? Qt::WindowModal : Qt::ApplicationModal);
    setWindowTitle(
        localized("LSAssistantTitle")
            .arg(localized(purpose == Purpose::Open ? "LSOpenAssistant" : "LSImportAssistant"),
                 QFileInfo(m_preview->path()).fileName()));

    m_tableView->setObjectName(QStringLiteral("openAssistantTableView"));
    m_tableView->setVerticalHeader(new ZRNLineNumberRulerWithMarker(m_tableView));
    m_tableView->setModel(m_model);
    m_tableView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tableView->setWordWrap(false);
    m_tableView->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_tableView->horizontalHeader()->setDefaultSectionSize(s_columnWidth);
    m_tableView->horizontalHeader()->setMinimumSectionSize(s_minimumColumnWidth);

    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(localized("LSAssistantCancel"), QDialogButtonBox::RejectRole);
    buttons
        ->addButton(localized(purpose == Purpose::Open ? "LSAssistantOpen" : "LSAssistantInsert"),
                    QDialogButtonBox::AcceptRole)
        ->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *settings = new QHBoxLayout;
    settings->addWidget(m_controls);
    settings->addWidget(m_warning, 1, Qt::AlignTop);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_tableView, 1);
    layout->addLayout(settings);
    layout->addWidget(buttons);
    resize(900, 600);

    setUpControls();
    loadCSVPreview();
}

OpenAssistant::~OpenAssistant() = default;

QWidget *OpenAssistant::makeWarning()
{
    auto *warning = new QWidget(this);
    warning->setObjectName(QStringLiteral("warningImageView"));
    auto *icon = new QLabel(warning);
    const int size = style()->pixelMetric(QStyle::PM_SmallIconSize);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(size, size));
    auto *text = new QLabel(localized("LSAssistantUndecodable"), warning);
    text->setWordWrap(true);
    auto *layout = new QHBoxLayout(warning);
    layout->addWidget(icon, 0, Qt::AlignTop);
    layout->addWidget(text, 1);
    return warning;
}

void OpenAssistant::setUpControls()
{
    m_controls->setPreset(m_preview->choices());
    connect(m_controls, &PresetControls::changed, this, &OpenAssistant::controlsChanged);
}

void OpenAssistant::controlsChanged()
{
    if (m_preview->setChoices(m_controls->preset()))
        loadCSVPreview();
}

void OpenAssistant::loadCSVPreview()
{
    PresetControls::selectItemWithTag(m_controls->lineEndingPopup(),
                                      m_preview->choices().lineEndingType());
    m_model->reload();
    m_warning->setVisible(m_preview->encodingErrorOccurred());
}

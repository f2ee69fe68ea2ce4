#include "print_command.h"

#include "bank/bank_check.h"
#include "bank/bank_file.h"
#include "bank/bank_title.h"
#include "bank/password_sources.h"
#include "key_document.h"
#include "paper/sheet_layout.h"
#include "platform/exit_status.h"
#include "platform/headless_gui.h"
#include "platform/regular_file.h"
#include "platform/text.h"
#include "platform/whole_file.h"
#include "record/class_list.h"
#include "sheets_document.h"
#include "variants_document.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>

namespace vorn {

namespace {

constexpr int kMaxSheets = 9999; // a sheet's id holds up to four digits

const QString kFiles[] = {QStringLiteral("variants.pdf"), QStringLiteral("sheets.pdf"),
                          QStringLiteral("key.pdf")};

// Why the bank cannot be printed, or none: what keeps the window from
// playing it (its limits included, which a run's draws rely on).
std::optional<QString> BankRefusal(const QString& path, const LoadedBank& bank) {
    const std::vector<BankIssue> issues = AllIssues(bank);
    const auto error = std::find_if(issues.begin(), issues.end(),
                                    [](const BankIssue& issue) { return issue.isError(); });
    if (error != issues.end())
        return QStringLiteral("банката не може да се отпечата: %1 (вижте vorn-player "
                              "--check-bank %2)")
            .arg(FormatIssue(path, *error), Printable(path));
    if (bank.content.questions.empty())
        return QStringLiteral("банката %1 няма въпроси.").arg(Printable(path));
    return std::nullopt;
}

std::variant<std::vector<Student>, QString> Students(const QString& path, QTextStream& err) {
    if (path.isEmpty()) return std::vector<Student>{};
    auto read = ReadClassListFile(path);
    if (auto* why = std::get_if<QString>(&read)) return std::move(*why);
    auto& list = std::get<ClassList>(read);
    if (static_cast<int>(list.students.size()) > kMaxSheets)
        return QStringLiteral("списъкът на класа %1 има повече от %2 ученици.")
            .arg(Printable(path))
            .arg(kMaxSheets);
    if (!list.warning.isEmpty())
        err << "vorn-player: " << Printable(path) << ": " << list.warning << '\n';
    return std::move(list.students);
}

QString Told(const FileFailure& failure) {
    return QStringLiteral("%1. %2").arg(
        Printable(failure.said()), TeacherStep(failure, QStringLiteral("друга папка с --output")));
}

// The output folder, made when missing; an earlier print in it is never
// overwritten: its sheets may already be in the students' hands.
std::variant<OutputFolder, QString> OutputFolderOf(const QString& path) {
    const QString cleaned = QDir::cleanPath(path);
    QDir().mkpath(QFileInfo(cleaned).path()); // what fails there is told below
    auto parent = OutputFolder::Holding(cleaned);
    if (const auto* failed = std::get_if<FileFailure>(&parent)) return Told(*failed);
    bool made = false;
    auto folder = std::get<OutputFolder>(parent).folder(QFileInfo(cleaned).fileName(), made);
    if (const auto* failed = std::get_if<FileFailure>(&folder)) return Told(*failed);
    const OutputFolder& output = std::get<OutputFolder>(folder);
    for (const QString& name : kFiles)
        if (QFileInfo::exists(output.pathOf(name)) || QFileInfo(output.pathOf(name)).isSymLink())
            return QStringLiteral("в папката %1 вече има %2 от друго отпечатване; посочете "
                                  "друга папка с --output.")
                .arg(Printable(QDir::toNativeSeparators(output.path())), name);
    return output;
}

// Every file or none: all are written aside first, then put in place.
std::optional<QString> WriteAll(const OutputFolder& folder, const QByteArray (&documents)[3]) {
    std::vector<AsideFile> written;
    for (int index = 0; index < 3; ++index) {
        auto aside = WriteAside(folder, kFiles[index], documents[index]);
        if (const auto* failed = std::get_if<FileFailure>(&aside)) return Told(*failed);
        written.push_back(std::move(std::get<AsideFile>(aside)));
    }
    for (AsideFile& file : written)
        if (const auto failed = file.putInPlace()) return Told(*failed);
    return std::nullopt;
}

int Refused(QTextStream& err, const QString& why) {
    err << "vorn-player: " << why << '\n';
    return kExitRefused;
}

} // namespace

int PrintCommand(const PrintRequest& request, QTextStream& out, QTextStream& err) {
    const HeadlessGui gui(true); // fonts to lay out and embed; no display
    // The seed from the clock, as the window seeds a run; the print's id
    // from the system's random source, so two prints of one second differ.
    const auto clock = static_cast<std::uint32_t>(QDateTime::currentMSecsSinceEpoch());
    return PrintCommandWith(request, {clock, QRandomGenerator::system()->generate()}, out, err);
}

int PrintCommandWith(const PrintRequest& request, const PrintDraws& draws, QTextStream& out,
                     QTextStream& err) {
    const LoadedBank bank = LoadBankFile(request.bank, PasswordFrom(request.passwordFile));
    if (const auto why = BankRefusal(request.bank, bank)) return Refused(err, *why);
    const auto students = Students(request.classList, err);
    if (const auto* why = std::get_if<QString>(&students)) return Refused(err, *why);
    auto folder = OutputFolderOf(request.output);
    if (const auto* why = std::get_if<QString>(&folder)) return Refused(err, *why);
    const QString title = bank.content.settings.title.isEmpty() ? TitleFromFileName(request.bank)
                                                                : bank.content.settings.title;
    const PrintPlan plan =
        PlanPrint(bank.content, title, std::get<std::vector<Student>>(students), request.variants,
                  request.seed.value_or(draws.seed), draws.printId);
    for (const PaperVariant& variant : plan.variants)
        if (variant.run.questionCount() > kSheetRows)
            return Refused(err, QStringLiteral("вариантът има %1 въпроса, а листът за отговори "
                                               "побира %2.")
                                    .arg(variant.run.questionCount())
                                    .arg(kSheetRows));
    const QByteArray documents[3] = {VariantsDocument(plan), SheetsDocument(plan),
                                     KeyDocument(plan)};
    if (const auto why = WriteAll(std::get<OutputFolder>(folder), documents))
        return Refused(err, *why);
    out << QStringLiteral("Отпечатване %1 (--seed %2): %3 и %4 в %5.")
               .arg(plan.printId)
               .arg(plan.printSeed)
               .arg(Counted(static_cast<int>(plan.variants.size()), QStringLiteral("вариант"),
                            QStringLiteral("варианта")),
                    Counted(static_cast<int>(plan.sheets.size()),
                            QStringLiteral("лист за отговори"),
                            QStringLiteral("листа за отговори")))
               .arg(Printable(QDir::toNativeSeparators(std::get<OutputFolder>(folder).path())))
        << '\n';
    return kExitOk;
}

} // namespace vorn

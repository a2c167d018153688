#include "support/test_support.h"

#include <QApplication>
#include <QCoreApplication>

namespace testsupport {

DialogScript::DialogScript()
{
    platform::DialogAnswers answers;
    answers.open = [this](const platform::FileType& type) {
        openTypes.push_back(type.name);
        const size_t i = static_cast<size_t>(opens++);
        return i < openAnswers.size() ? openAnswers[i] : QString();
    };
    answers.save = [this](const platform::FileType&, const QString& defaultName) {
        saveDefaultNames.push_back(defaultName);
        const size_t i = static_cast<size_t>(saves++);
        return i < saveAnswers.size() ? saveAnswers[i] : QString();
    };
    answers.saveChanges = [this](const platform::SaveQuestionTexts& texts) {
        questions.push_back(texts.question);
        const size_t i = static_cast<size_t>(saveChangesAsked++);
        return i < saveChangesAnswers.size() ? saveChangesAnswers[i] : platform::SaveAnswer::Cancel;
    };
    platform::setDialogAnswers(std::move(answers));
}

DialogScript::~DialogScript() { platform::clearDialogAnswers(); }

std::vector<Segment> segmentsOf(const std::vector<platform::DrawItem>& items)
{
    std::vector<Segment> out;
    for (const auto& item : items)
        if (item.kind == platform::DrawItem::Kind::Segment)
            out.push_back({item.p1.x(), item.p1.y(), item.p2.x(), item.p2.y(), item.color});
    return out;
}

void processEvents()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

} // namespace testsupport

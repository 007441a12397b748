#include "document/CardFileJson.h"

#include "drawing/DrawingOperations.h"
#include "drawing/ToolTable.h"
#include "editor/CardLayouts.h"
#include "editor/PhotoOperations.h"
#include "editor/TextOperation.h"
#include "filters/FilterOperation.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <limits>

namespace {

using CardFileJson::MostOperations;

// The messages share the translation context of the card file's other messages.
struct CardFileText {
    Q_DECLARE_TR_FUNCTIONS(CardFile)
};

// Each kind of operation by the name a card file gives it, with its reader.
struct Kind {
    OperationKind kind;
    const char* name;
    Operation (*read)(ParameterReader&);
};
const Kind kinds[] = {
    {OperationKind::PhotoInFrame, "PhotoInFrame", &PhotoInFrame::read},
    {OperationKind::PhotoInRectangle, "PhotoInRectangle", &PhotoInRectangle::read},
    {OperationKind::Text, "Text", &TextOperation::read},
    {OperationKind::Stroke, "Stroke", &ToolStroke::read},
    {OperationKind::Fill, "Fill", &ToolStroke::read},
    {OperationKind::Spray, "Spray", &ToolStroke::read},
    {OperationKind::ColouredCircles, "ColouredCircles", &ToolStroke::read},
    {OperationKind::Gradient, "Gradient", &GradientOperation::read},
    {OperationKind::Frame, "Frame", &FrameOperation::read},
    {OperationKind::Filter, "Filter", &FilterOperation::read},
    {OperationKind::Conversion, "Conversion", &FilterOperation::read},
    {OperationKind::AddressSide, "AddressSide", &AddressSideTemplate::read},
};

const Kind* kindOf(OperationKind kind)
{
    for (const Kind& entry : kinds)
        if (entry.kind == kind)
            return &entry;
    return nullptr;
}

const Kind* kindNamed(const QString& name)
{
    for (const Kind& entry : kinds)
        if (name == QLatin1String(entry.name))
            return &entry;
    return nullptr;
}

// Where on the card a fault is: "van de voorkant" or "van de adreszijde".
QString sidePlace(CardSide side)
{
    return side == CardSide::Front ? CardFileText::tr("van de voorkant") : CardFileText::tr("van de adreszijde");
}

QJsonObject writeSide(const CardLayoutState& side, PhotoList& photos)
{
    QJsonArray operations;
    for (const Operation& operation : side.document.operations)
        operations.append(QJsonObject{{"kind", QLatin1String(kindOf(operation->kind())->name)},
                                      {"parameters", operation->parameters(photos)}});
    return {{"layout", side.layout},
            {"frame", ParameterValue::rectangle({side.frameX, side.frameY, side.frameWidth, side.frameHeight})},
            {"tool", side.currentTool},
            {"info", side.info},
            {"photoCaption", side.photoCaption},
            {"operations", operations}};
}

QString fieldFault(const QString& field, const QString& where)
{
    if (where.isEmpty())
        return CardFileText::tr("Het kaartbestand is beschadigd: het veld „%1” ontbreekt of is ongeldig.").arg(field);
    return CardFileText::tr("Het kaartbestand is beschadigd: het veld „%1” %2 ontbreekt of is ongeldig.").arg(field, where);
}

// One side, or nothing with `error` set; `budget` is what is left of MostOperations.
std::optional<CardLayoutState> readSide(ParameterReader& file, const char* key, CardSide sideKind, const PhotoList& photos,
                                        int& budget, QString& error)
{
    constexpr int LongestLine = 10000;
    const QString where = sidePlace(sideKind);
    ParameterReader side(file.object(key), &photos);
    CardLayoutState state;
    state.side = sideKind;
    state.layout = side.integer("layout", 0, Layout::LastIndex);
    const QRectF frame = side.rectangle("frame");
    state.frameX = frame.x();
    state.frameY = frame.y();
    state.frameWidth = frame.width();
    state.frameHeight = frame.height();
    state.currentTool = side.integer("tool", DrawingTool::NoTool, ToolCount);
    state.info = side.text("info", LongestLine);
    state.photoCaption = side.text("photoCaption", LongestLine);
    const QJsonArray operations = side.array("operations", std::numeric_limits<int>::max());
    if (!file.ok() || !side.ok()) {
        error = file.ok() ? fieldFault(side.fault(), where) : fieldFault(file.fault(), QString());
        return std::nullopt;
    }
    budget -= int(operations.size());
    if (budget < 0) {
        error = CardFileText::tr("Het kaartbestand bevat meer dan %L1 stappen; zo’n kaart kan Prentvel niet openen.")
                    .arg(MostOperations);
        return std::nullopt;
    }
    for (qsizetype i = 0; i < operations.size(); ++i) {
        //: %2 is "van de voorkant" or "van de adreszijde"
        const QString step = CardFileText::tr("in stap %1 %2").arg(i + 1).arg(where);
        ParameterReader entry(operations[i].toObject());
        const QString name = entry.text("kind", 100);
        const Kind* kind = kindNamed(name);
        if (!entry.ok() || !operations[i].isObject()) {
            error = fieldFault(QStringLiteral("kind"), step);
            return std::nullopt;
        }
        if (!kind) {
            error = CardFileText::tr("Het kaartbestand bevat een soort stap die Prentvel niet kent („%1”, %2).").arg(name, step);
            return std::nullopt;
        }
        ParameterReader parameters(entry.object("parameters"), &photos);
        Operation operation = entry.ok() ? kind->read(parameters) : nullptr;
        if (operation && operation->kind() != kind->kind)
            parameters.refuse("tool");
        if (!entry.ok() || !parameters.ok()) {
            error = fieldFault(entry.ok() ? parameters.fault() : QStringLiteral("parameters"), step);
            return std::nullopt;
        }
        state.document.operations.push_back(std::move(operation));
    }
    return state;
}

}

namespace CardFileJson {

QJsonObject write(const CardFileContent& content, PhotoList& photos)
{
    return {{"version", Version},
            {"shown", content.shown == CardSide::Back ? "back" : "front"},
            {"front", writeSide(content.front, photos)},
            {"back", writeSide(content.back, photos)}};
}

std::optional<CardFileContent> read(const QJsonObject& json, const PhotoList& photos, QString& error)
{
    ParameterReader file(json, &photos);
    const QString shown = file.text("shown", 5);
    if (shown != QLatin1String("front") && shown != QLatin1String("back"))
        file.refuse("shown");
    if (!file.ok()) {
        error = fieldFault(file.fault(), QString());
        return std::nullopt;
    }
    int budget = MostOperations;
    auto front = readSide(file, "front", CardSide::Front, photos, budget, error);
    if (!front)
        return std::nullopt;
    // A card without a back opens with an empty back, showing its front.
    if (!json.contains(QLatin1String("back"))) {
        CardLayoutState back;
        back.side = CardSide::Back;
        return CardFileContent{std::move(*front), std::move(back), CardSide::Front};
    }
    auto back = readSide(file, "back", CardSide::Back, photos, budget, error);
    if (!back)
        return std::nullopt;
    return CardFileContent{std::move(*front), std::move(*back), shown == QLatin1String("back") ? CardSide::Back : CardSide::Front};
}

}

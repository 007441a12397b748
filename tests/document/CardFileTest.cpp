// The card file: a card with every kind of operation on both sides reads
// back drawing the same pixels and stays editable; hostile files are refused
// with a Dutch sentence; a failed save leaves the old file whole.
#include "app/Main.h"
#include "common/ScriptedDialogs.h"
#include "common/TestPictures.h"
#include "drawing/CardMouse.h"
#include "common/TestRegistry.h"
#include "document/CardFile.h"
#include "editor/CardLayouts.h"
#include "editor/CardReplay.h"
#include "editor/PhotoOperations.h"
#include "editor/TextOperation.h"
#include "platform/CardSurface.h"
#include "platform/PictureBox.h"
#include "platform/ClickableLabel.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QPushButton>
#include <QLineEdit>
#include <QSlider>
#include <QtEndian>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <csignal>
#include <sys/resource.h>
#include <zip.h>

namespace {

using Members = QList<QPair<QString, QByteArray>>;

using CardMouse::drag;

// Both copies of a blank card with `document` replayed.
QPair<QImage, QImage> replayed(const CardDocument& document)
{
    CardSurface card;
    CardReplay().replay(card, document);
    return {card.image().copy(), card.printImage().copy()};
}

Members membersOf(const QByteArray& file)
{
    Members members;
    zip_error_t error;
    zip_t* zip = zip_open_from_source(zip_source_buffer_create(file.constData(), file.size(), 0, &error), ZIP_RDONLY, &error);
    for (zip_int64_t i = 0; zip && i < zip_get_num_entries(zip, 0); ++i) {
        zip_stat_t stat;
        zip_stat_index(zip, i, 0, &stat);
        QByteArray bytes(qsizetype(stat.size), '\0');
        zip_file_t* member = zip_fopen_index(zip, i, 0);
        zip_fread(member, bytes.data(), stat.size);
        zip_fclose(member);
        members.append({QString::fromUtf8(stat.name), bytes});
    }
    zip_discard(zip);
    return members;
}

QByteArray zipped(const Members& members, const QString& path)
{
    QFile::remove(path);
    zip_t* zip = zip_open(QFile::encodeName(path), ZIP_CREATE, nullptr);
    for (const auto& [name, bytes] : members) {
        const zip_int64_t index = zip_file_add(zip, name.toUtf8(), zip_source_buffer(zip, bytes.constData(), bytes.size(), 0), 0);
        zip_set_file_compression(zip, index, name == "mimetype" ? ZIP_CM_STORE : ZIP_CM_DEFLATE, 0);
    }
    zip_close(zip);
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

// The declared size of the member stored under `name` set to `size`, in its
// local header and its central directory entry alike.
QByteArray declaring(QByteArray file, const QByteArray& name, quint32 size)
{
    for (const QByteArray signature : {QByteArray("PK\x03\x04"), QByteArray("PK\x01\x02")}) {
        const int nameAt = signature[2] == 3 ? 30 : 46, sizeAt = signature[2] == 3 ? 22 : 24;
        for (qsizetype at = file.indexOf(signature); at >= 0; at = file.indexOf(signature, at + 1))
            if (file.mid(at + nameAt, name.size()) == name)
                qToLittleEndian(size, file.data() + at + sizeAt);
    }
    return file;
}

}

class CardFileTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    ScriptedDialogs* dialogs = nullptr;

    QString photoFile(int phase) { return wavesJpeg(dir, phase); }
    QByteArray bytesOf(const QString& path)
    {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }
    // A saved card with a text, a photo and a stroke, as its members.
    Members smallCard()
    {
        Main main;
        main.LayoutKaart_Click(4);
        dialogs->files << photoFile(0);
        main.FileOpen->trigger();
        main.LayoutKaart_Click(Layout::FreeDrawing);
        main.Knop[1]->click();
        drag(main, {{20, 40}, {60, 90}});
        const QString path = dir.filePath("klein.prentvel");
        CardFileContent content{main.cardLayoutState(), {}, CardSide::Front};
        content.back.side = CardSide::Back;
        content.front.hidden = nullptr;
        if (!CardFile::write(path, content, main.card.printImage()).isEmpty())
            return {};
        return membersOf(bytesOf(path));
    }
    QString refusal(const QByteArray& file)
    {
        QString error;
        const auto content = CardFile::readBytes(file, error);
        return content ? QStringLiteral("read") : error;
    }
    // The small card with its document changed by `change`, as a file.
    QByteArray withDocument(const std::function<void(QJsonObject&)>& change)
    {
        Members members = smallCard();
        for (auto& [name, bytes] : members)
            if (name == "card.json") {
                QJsonObject json = QJsonDocument::fromJson(bytes).object();
                change(json);
                bytes = QJsonDocument(json).toJson();
            }
        return zipped(members, dir.filePath("anders.prentvel"));
    }

private Q_SLOTS:
    void init() { dialogs = new ScriptedDialogs; }
    void cleanup() { delete dialogs; }

    // Every kind of operation on both sides: the file reads back drawing the
    // same pixels on both copies, with the same layouts, frames and photo
    // bytes; photos and texts read back can be moved and changed exactly.
    void aCardRoundTripsExactly()
    {
        Main main;
        main.LayoutBijsnijden->setChecked(true);
        main.LayoutKaart_Click(4);
        for (int phase : {0, 40}) {
            dialogs->files << photoFile(phase);
            main.FileOpen->trigger();
        }
        main.Text1->setText(QStringLiteral("Hallo ëï"));
        main.PlaatsKnop->click();
        QTest::mouseClick(main.Voorkant, Qt::LeftButton, {}, {300, 200});
        main.LayoutKaart_Click(Layout::FreeDrawing);
        main.Slider1->setValue(3);
        for (int tool = 1; tool <= 11; ++tool) {
            main.Knop[tool]->click();
            drag(main, {{20 + tool * 30, 40}, {40 + tool * 30, 90}, {60 + tool * 30, 130}});
        }
        dialogs->files << photoFile(80);
        main.Knop[12]->click();
        drag(main, {{300, 250}, {420, 330}});
        for (int entry : {0, 5})
            main.GradientRichting[entry]->trigger();
        main.EditLijstrand[5]->trigger();
        main.EditLijst[2]->trigger();
        for (int entry : {9, 13, 16})
            main.EditConvert[entry]->trigger();
        main.EditContrastConvert[1]->trigger();
        main.EditSwap[3]->trigger();
        main.EditFlipConvert[4]->trigger();
        main.LayoutKaart_Click(Layout::AddressSide);
        main.Knop[8]->click();
        drag(main, {{120, 100}, {140, 120}});

        CardFileContent saved{*main.state.hiddenSide, main.cardLayoutState(), CardSide::Back};
        saved.back.hidden = nullptr;
        // The same photo twice, placed otherwise: one member serves both.
        const auto* photo = dynamic_cast<const PhotoInFrame*>(saved.front.document.operations.front().get());
        PhotoPlacement moved = photo->placement();
        moved.zoom = 170;
        moved.centre = {0.4, 0.55};
        saved.front.document = saved.front.document.adding(photo->placed(moved));
        const QString path = dir.filePath("kaart.prentvel");
        QCOMPARE(CardFile::write(path, saved, main.card.printImage()), QString());

        const QByteArray file = bytesOf(path);
        QVERIFY(CardFile::looksLikeCardFile(file.left(64)));
        const Members members = membersOf(file);
        QCOMPARE(members.front().first, QStringLiteral("mimetype"));
        int pictures = 0;
        for (const auto& [name, bytes] : members) {
            pictures += name.startsWith("Pictures/");
            if (name == "Thumbnails/thumbnail.png")
                QCOMPARE(QImage::fromData(bytes).size(), QSize(256, 181));
            if (name == "preview.png")
                QCOMPARE(QImage::fromData(bytes).size(), main.card.printImage().size());
        }
        QCOMPARE(pictures, 3);

        PhotoSource::dropCache();
        QString error;
        const std::optional<CardFileContent> read = CardFile::read(path, error);
        QVERIFY2(read, qPrintable(error));
        QCOMPARE(read->shown, CardSide::Back);
        for (auto [original, copy] : {std::pair(&saved.front, &read->front), std::pair(&saved.back, &read->back)}) {
            QCOMPARE(copy->document.size(), original->document.size());
            QCOMPARE(copy->layout, original->layout);
            QCOMPARE(QRectF(copy->frameX, copy->frameY, copy->frameWidth, copy->frameHeight),
                     QRectF(original->frameX, original->frameY, original->frameWidth, original->frameHeight));
            QCOMPARE(copy->currentTool, original->currentTool);
            QCOMPARE(copy->photoCaption, original->photoCaption);
            QVERIFY(replayed(copy->document) == replayed(original->document));
        }
        QCOMPARE(replayed(read->back.document).second, main.card.printImage());

        // Photo bytes unchanged and shared; a photo moved and a text changed
        // after reading draw what the same edits of the original draw.
        const CardDocument& front = read->front.document;
        const auto* first = dynamic_cast<const PhotoInFrame*>(front.operations.front().get());
        const auto* again = dynamic_cast<const PhotoInFrame*>(front.operations.back().get());
        QVERIFY(first && again && first->source() == again->source());
        QCOMPARE(first->source()->bytes(), bytesOf(photoFile(0)));
        QCOMPARE(first->frame(), photo->frame());
        QCOMPARE(first->layout(), 4);
        const int text = 2;
        QCOMPARE(front.at(text).kind(), OperationKind::Text);
        const auto edited = [&moved, text](const CardDocument& document) {
            const auto& words = dynamic_cast<const TextOperation&>(document.at(text));
            const auto& placed = dynamic_cast<const PhotoInFrame&>(document.at(0));
            return document.replacing(text, words.changed(QStringLiteral("Tot ziens"), words.font(), words.ink(), true))
                .replacing(0, placed.placed(moved));
        };
        QVERIFY(replayed(edited(front)) == replayed(edited(saved.front.document)));
    }

    // Each kind of bad file is refused with a Dutch sentence saying why.
    void badFilesAreRefused()
    {
        const Members good = smallCard();
        QVERIFY(!good.isEmpty());
        const QByteArray file = zipped(good, dir.filePath("goed.prentvel"));
        QCOMPARE(refusal(file), QStringLiteral("read"));

        QVERIFY(refusal("geen zip").contains("geen Prentvel-kaart"));
        QVERIFY(refusal(file.left(file.size() / 2)).contains("kaart"));
        Members noType = good.mid(1), wrongType = good, parent = good, absolute = good, broken = good;
        wrongType[0].second = "application/zip";
        QVERIFY(refusal(zipped(noType, dir.filePath("a"))).contains("geen Prentvel-kaart"));
        QVERIFY(refusal(zipped(wrongType, dir.filePath("a"))).contains("geen Prentvel-kaart"));
        parent.append({QStringLiteral("Pictures/../../weg.txt"), "x"});
        absolute.append({QStringLiteral("/etc/weg.txt"), "x"});
        QVERIFY(refusal(zipped(parent, dir.filePath("a"))).contains("ongeldige naam"));
        QVERIFY(refusal(zipped(absolute, dir.filePath("a"))).contains("ongeldige naam"));

        // Declared sizes beyond reason are refused before inflating; a member
        // that inflates to more than it declared is refused too.
        QVERIFY(refusal(declaring(file, "card.json", 300'000'000)).contains("onredelijk groot"));
        Members many = good;
        for (int i = 0; i < 6; ++i)
            many.append({QStringLiteral("extra%1").arg(i), QByteArray("x")});
        QByteArray bomb = zipped(many, dir.filePath("a"));
        for (int i = 0; i < 6; ++i)
            bomb = declaring(bomb, QStringLiteral("extra%1").arg(i).toLatin1(), 190'000'000);
        QVERIFY(refusal(bomb).contains("onredelijk groot"));
        QVERIFY(refusal(declaring(file, "card.json", 10)).contains("beschadigd"));

        for (auto& [name, bytes] : broken)
            if (name.startsWith("Pictures/"))
                bytes = bytes.left(bytes.size() / 3);
        QVERIFY(refusal(zipped(broken, dir.filePath("a"))).contains("De foto"));

        QVERIFY(refusal(withDocument([](QJsonObject& json) { json["version"] = 2; })).contains("nieuwere versie"));
        const auto firstStep = [](QJsonObject& json, const std::function<void(QJsonObject&)>& change) {
            QJsonObject front = json["front"].toObject();
            QJsonArray steps = front["operations"].toArray();
            QJsonObject step = steps[0].toObject();
            change(step);
            steps[0] = step;
            front["operations"] = steps;
            json["front"] = front;
        };
        QVERIFY(refusal(withDocument([&](QJsonObject& json) { firstStep(json, [](QJsonObject& s) { s["kind"] = "Toveren"; }); }))
                    .contains("„Toveren”"));
        QVERIFY(refusal(withDocument([&](QJsonObject& json) {
                    firstStep(json, [](QJsonObject& s) { s["parameters"] = QJsonObject{}; });
                })).contains("„photo” in stap 1 van de voorkant"));
        QVERIFY(refusal(withDocument([&](QJsonObject& json) {
                    firstStep(json, [](QJsonObject& s) {
                        QJsonObject p = s["parameters"].toObject();
                        p["zoom"] = "groot";
                        s["parameters"] = p;
                    });
                })).contains("„zoom”"));
        // A card without a back opens with an empty one.
        QString error;
        const auto frontOnly = CardFile::readBytes(withDocument([](QJsonObject& json) { json.remove("back"); }), error);
        QVERIFY2(frontOnly && frontOnly->back.document.empty() && frontOnly->shown == CardSide::Front, qPrintable(error));
        QVERIFY(refusal(withDocument([](QJsonObject& json) {
                    QJsonObject back = json["back"].toObject();
                    QJsonArray steps;
                    for (int i = 0; i < 100'001; ++i)
                        steps.append(QJsonObject{{"kind", "AddressSide"}, {"parameters", QJsonObject{}}});
                    back["operations"] = steps;
                    json["back"] = back;
                })).contains("stappen"));
    }

    // A missing folder, a folder at the path or a file grown past what the
    // system allows: a Dutch reason, and the old file stays as it was.
    void aFailedSaveLeavesTheOldFileWhole()
    {
        CardFileContent content;
        content.front.document = content.front.document.adding(std::make_shared<AddressSideTemplate>());
        const QImage front = waves(2060, 1460, 3);
        QVERIFY(CardFile::write(dir.filePath("geen/map/kaart.prentvel"), content, front).contains("de map bestaat niet"));
        QVERIFY(QDir(dir.path()).mkdir("map.prentvel"));
        QVERIFY(CardFile::write(dir.filePath("map.prentvel"), content, front).contains("een map met die naam"));

        const QString path = dir.filePath("oud.prentvel");
        QCOMPARE(CardFile::write(path, content, QImage()), QString());
        const QByteArray old = bytesOf(path);
        rlimit limit;
        getrlimit(RLIMIT_FSIZE, &limit);
        const rlimit small{rlim_t(old.size() + 100), limit.rlim_max};
        const auto previous = std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &small);
        const QString error = CardFile::write(path, content, front);
        setrlimit(RLIMIT_FSIZE, &limit);
        std::signal(SIGXFSZ, previous);
        QVERIFY2(error.contains("niet bewaard"), qPrintable(error));
        QCOMPARE(bytesOf(path), old);
        QCOMPARE(QDir(dir.path()).entryList({"oud.prentvel*"}, QDir::Files), QStringList{"oud.prentvel"});
    }
};

PRENTVEL_TEST(CardFileTest)

#include "CardFileTest.moc"

#include "document/CardFile.h"

#include "document/CardFileJson.h"
#include "editor/PhotoSource.h"

#include <QBuffer>
#include <QColorSpace>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>

#include <zip.h>

#include <algorithm>
#include <cerrno>
#include <memory>
#include <vector>

namespace {

const char* const MimeTypeMember = "mimetype";
const char* const DocumentMember = "card.json";
const char* const PreviewMember = "preview.png";
const char* const ThumbnailMember = "Thumbnails/thumbnail.png";
constexpr int ThumbnailSide = 256;

// Limits on what a file may declare, checked before anything is inflated.
constexpr zip_uint64_t LargestMember = zip_uint64_t(200) * 1024 * 1024;
constexpr zip_uint64_t LargestTotal = zip_uint64_t(1024) * 1024 * 1024;
constexpr zip_int64_t MostMembers = 2 * zip_int64_t(CardFileJson::MostOperations);
// Photos beyond this in all are kept as lossless copies of what the card uses, largest first.
constexpr qint64 PhotoBudget = qint64(150) * 1024 * 1024;

// The messages' translation context.
struct CardFileText {
    Q_DECLARE_TR_FUNCTIONS(CardFile)
};

QString notACard()
{
    return CardFileText::tr("Dit bestand is geen Prentvel-kaart.");
}

QString damaged()
{
    return CardFileText::tr("Het kaartbestand is beschadigd en kan niet geopend worden.");
}

QByteArray pngOf(const QImage& picture)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG", 80); // light compression: saving stays quick
    return png;
}

// The extension of a photo member, and whether deflating it is worth the time.
struct PhotoFormat {
    const char* extension;
    bool compress;
};
PhotoFormat formatOf(const QByteArray& bytes)
{
    if (bytes.startsWith("\xFF\xD8"))
        return {"jpg", false};
    if (bytes.startsWith("\x89PNG"))
        return {"png", false};
    if (bytes.startsWith("GIF8"))
        return {"gif", false};
    if (bytes.startsWith("RIFF") && bytes.mid(8, 4) == "WEBP")
        return {"webp", false};
    if (bytes.mid(4, 4) == "ftyp")
        return {"heif", false};
    if (bytes.startsWith("BM"))
        return {"bmp", true};
    if (bytes.startsWith("II*") || bytes.startsWith("MM\0*"))
        return {"tif", true};
    return {"bin", true};
}

// ---- Writing ----

QString systemReason(int code)
{
    switch (code) {
    case ENOSPC:
    case EDQUOT:
        return CardFileText::tr("de schijf is vol");
    case ENOENT:
    case ENOTDIR:
        return CardFileText::tr("de map bestaat niet");
    case EISDIR:
        return CardFileText::tr("er staat een map met die naam");
    case EACCES:
    case EPERM:
        return CardFileText::tr("er mag in die map niet geschreven worden");
    case EROFS:
        return CardFileText::tr("de schijf kan alleen gelezen worden");
    case 0:
        return CardFileText::tr("er ging iets mis bij het schrijven");
    default:
        return CardFileText::tr("er ging iets mis bij het schrijven (systeemfout %1)").arg(code);
    }
}

QString saveFailure(const QString& path, const QString& reason)
{
    return CardFileText::tr("De kaart kon niet bewaard worden als „%1”: %2. Een eerder bewaard bestand is niet veranderd.")
        .arg(QDir::toNativeSeparators(path), reason);
}

QString reasonOf(const zip_error_t* error)
{
    const int system = zip_error_code_system(error);
    if (zip_error_code_zip(error) == ZIP_ER_MEMORY)
        return CardFileText::tr("het geheugen is vol");
    return systemReason(zip_error_system_type(error) == ZIP_ET_SYS ? system : 0);
}

// A ZIP being written: members from buffers that stay alive until it is closed.
class ZipWriter {
public:
    ~ZipWriter()
    {
        if (zip_)
            zip_discard(zip_);
    }
    bool open(const QString& path, zip_error_t& error)
    {
        int code = 0;
        zip_ = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &code);
        if (!zip_)
            zip_error_init_with_code(&error, code);
        return zip_ != nullptr;
    }
    bool add(const QString& name, const QByteArray& bytes, bool compress)
    {
        kept_.push_back(bytes);
        zip_source_t* source = zip_source_buffer(zip_, kept_.back().constData(), zip_uint64_t(bytes.size()), 0);
        if (!source)
            return false;
        const zip_int64_t index = zip_file_add(zip_, name.toUtf8().constData(), source, ZIP_FL_ENC_UTF_8 | ZIP_FL_OVERWRITE);
        if (index < 0) {
            zip_source_free(source);
            return false;
        }
        return zip_set_file_compression(zip_, zip_uint64_t(index), compress ? ZIP_CM_DEFLATE : ZIP_CM_STORE, 0) == 0;
    }
    // Writes the temporary file and renames it over the old one.
    bool close()
    {
        if (zip_close(zip_) != 0)
            return false;
        zip_ = nullptr;
        return true;
    }
    const zip_error_t* error() { return zip_get_error(zip_); }

private:
    zip_t* zip_ = nullptr;
    std::vector<QByteArray> kept_;
};

// The 150 MB rule: the largest photos give way to lossless copies until all fit.
void keepWithinBudget(std::vector<std::shared_ptr<const PhotoSource>>& sources)
{
    qint64 total = 0;
    for (const auto& source : sources)
        total += source->bytes().size();
    std::vector<std::size_t> order(sources.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::sort(order.begin(), order.end(),
              [&sources](std::size_t a, std::size_t b) { return sources[a]->bytes().size() > sources[b]->bytes().size(); });
    for (std::size_t i : order) {
        if (total <= PhotoBudget)
            break;
        const auto copy = sources[i]->losslessCopy();
        if (copy && copy->bytes().size() < sources[i]->bytes().size()) {
            total -= sources[i]->bytes().size() - copy->bytes().size();
            sources[i] = copy;
        }
    }
}

QJsonObject fitJson(const PhotoFit& fit)
{
    static const char* const names[] = {"whole", "kept", "rectangle"};
    return {{"kind", names[int(fit.kind)]},
            {"size", ParameterValue::point({fit.size.width(), fit.size.height()})},
            {"crop", fit.crop}};
}

// ---- Reading ----

struct Member {
    zip_uint64_t index;
    zip_uint64_t size;
};

bool safeName(const QString& name)
{
    if (name.isEmpty() || name.startsWith(QLatin1Char('/')) || name.startsWith(QLatin1Char('\\'))
        || (name.size() > 1 && name[1] == QLatin1Char(':')))
        return false;
    const QStringList parts = QString(name).replace(QLatin1Char('\\'), QLatin1Char('/')).split(QLatin1Char('/'));
    return !parts.contains(QStringLiteral(".."));
}

// A ZIP opened for reading, its members listed and checked first.
class ZipReader {
public:
    explicit ZipReader(zip_t* zip) : zip_(zip) {}
    ~ZipReader()
    {
        if (zip_)
            zip_discard(zip_);
    }

    bool list(QString& error)
    {
        const zip_int64_t count = zip_get_num_entries(zip_, 0);
        if (count <= 0 || count > MostMembers) {
            error = count <= 0 ? notACard() : damaged();
            return false;
        }
        zip_uint64_t total = 0;
        for (zip_uint64_t i = 0; i < zip_uint64_t(count); ++i) {
            zip_stat_t stat;
            zip_stat_init(&stat);
            if (zip_stat_index(zip_, i, 0, &stat) != 0 || !(stat.valid & ZIP_STAT_NAME) || !(stat.valid & ZIP_STAT_SIZE)) {
                error = damaged();
                return false;
            }
            const QString name = QString::fromUtf8(stat.name);
            if (!safeName(name) || members_.contains(name)) {
                error = CardFileText::tr("Het kaartbestand bevat een onderdeel met een ongeldige naam („%1”) en wordt niet geopend.").arg(name);
                return false;
            }
            total += stat.size;
            if (stat.size > LargestMember || total > LargestTotal) {
                error = CardFileText::tr("Het kaartbestand zou uitgepakt onredelijk groot worden („%1”) en wordt niet geopend.").arg(name);
                return false;
            }
            if ((stat.valid & ZIP_STAT_ENCRYPTION_METHOD) && stat.encryption_method != ZIP_EM_NONE) {
                error = damaged();
                return false;
            }
            if (i == 0 && (name != QLatin1String(MimeTypeMember) || !(stat.valid & ZIP_STAT_COMP_METHOD)
                           || stat.comp_method != ZIP_CM_STORE)) {
                error = notACard();
                return false;
            }
            members_.insert(name, {i, stat.size});
        }
        return true;
    }

    // A member's bytes, never more than it declared; nothing when it is
    // missing, damaged or not what it declared.
    std::optional<QByteArray> read(const QString& name)
    {
        const auto found = members_.find(name);
        if (found == members_.end())
            return std::nullopt;
        zip_file_t* file = zip_fopen_index(zip_, found->index, 0);
        if (!file)
            return std::nullopt;
        QByteArray bytes(qsizetype(found->size), Qt::Uninitialized);
        zip_int64_t done = 0;
        while (done < bytes.size()) {
            const zip_int64_t got = zip_fread(file, bytes.data() + done, zip_uint64_t(bytes.size() - done));
            if (got <= 0)
                break;
            done += got;
        }
        char extra;
        const bool whole = done == bytes.size() && zip_fread(file, &extra, 1) == 0;
        zip_fclose(file);
        if (!whole)
            return std::nullopt;
        return bytes;
    }

private:
    zip_t* zip_;
    QHash<QString, Member> members_;
};

std::optional<std::shared_ptr<const PhotoSource>> readPhoto(ZipReader& zip, const QJsonValue& entry, QString& error)
{
    ParameterReader photo(entry.toObject());
    const QString member = photo.text("member", 1000);
    const bool lossless = photo.flag("lossless");
    const QPointF frame = photo.point("frame");
    ParameterReader fitting(photo.object("fit"));
    const QString kind = fitting.text("kind", 20);
    const QPointF size = fitting.point("size");
    PhotoFit fit{PhotoFit::Kind::Whole, QSizeF(size.x(), size.y()), fitting.flag("crop")};
    if (kind == QLatin1String("kept"))
        fit.kind = PhotoFit::Kind::KeptForFrame;
    else if (kind == QLatin1String("rectangle"))
        fit.kind = PhotoFit::Kind::IntoRectangle;
    else if (kind != QLatin1String("whole"))
        fitting.refuse("kind");
    if (frame != QPointF(frame.toPoint()))
        photo.refuse("frame");
    if (!entry.isObject() || !photo.ok() || !fitting.ok()) {
        error = CardFileText::tr("Het kaartbestand is beschadigd: de lijst van foto’s is ongeldig.");
        return std::nullopt;
    }
    const std::optional<QByteArray> bytes = zip.read(member);
    const PhotoSource::Opened opened = bytes ? PhotoSource::restore(*bytes, lossless, QSize(frame.toPoint().x(), frame.toPoint().y()), fit)
                                             : PhotoSource::Opened{};
    if (!opened.source) {
        error = CardFileText::tr("De foto „%1” in het kaartbestand is beschadigd; de kaart wordt niet geopend.").arg(member);
        return std::nullopt;
    }
    return opened.source;
}

std::optional<CardFileContent> readArchive(zip_t* archive, QString& error)
{
    ZipReader zip(archive);
    if (!zip.list(error))
        return std::nullopt;
    if (zip.read(QString::fromLatin1(MimeTypeMember)) != CardFile::MimeType.toUtf8()) {
        error = notACard();
        return std::nullopt;
    }
    const std::optional<QByteArray> document = zip.read(QString::fromLatin1(DocumentMember));
    QJsonParseError parsed;
    const QJsonDocument json = document ? QJsonDocument::fromJson(*document, &parsed) : QJsonDocument();
    if (!json.isObject()) {
        error = damaged();
        return std::nullopt;
    }
    const QJsonValue version = json.object().value(QLatin1String("version"));
    if (!version.isDouble() || version.toDouble() < 1) {
        error = damaged();
        return std::nullopt;
    }
    if (version.toDouble() > CardFileJson::Version) {
        error = CardFileText::tr("Deze kaart is bewaard met een nieuwere versie van Prentvel; werk Prentvel bij om haar te openen.");
        return std::nullopt;
    }
    const QJsonValue photos = json.object().value(QLatin1String("photos"));
    if (!photos.isArray() || photos.toArray().size() > CardFileJson::MostOperations) {
        error = CardFileText::tr("Het kaartbestand is beschadigd: de lijst van foto’s is ongeldig.");
        return std::nullopt;
    }
    std::vector<std::shared_ptr<const PhotoSource>> sources;
    for (const QJsonValue& entry : photos.toArray()) {
        auto source = readPhoto(zip, entry, error);
        if (!source)
            return std::nullopt;
        sources.push_back(std::move(*source));
    }
    return CardFileJson::read(json.object(), PhotoList(std::move(sources)), error);
}

QString openFailure(int code)
{
    switch (code) {
    case ZIP_ER_NOENT:
    case ZIP_ER_OPEN:
    case ZIP_ER_READ:
        return CardFileText::tr("Het bestand kon niet gelezen worden.");
    case ZIP_ER_NOZIP:
        return notACard();
    case ZIP_ER_MEMORY:
        return CardFileText::tr("Er is te weinig geheugen om de kaart te openen.");
    default:
        return damaged();
    }
}

}

namespace CardFile {

QString write(const QString& path, const CardFileContent& content, const QImage& frontPrint)
{
    const QFileInfo target(path);
    if (target.isDir())
        return saveFailure(path, systemReason(EISDIR));
    if (!target.absoluteDir().exists())
        return saveFailure(path, systemReason(ENOENT));

    PhotoList photos;
    QJsonObject json = CardFileJson::write(content, photos);
    std::vector<std::shared_ptr<const PhotoSource>> sources = photos.sources();
    keepWithinBudget(sources);

    zip_error_t error;
    zip_error_init(&error);
    ZipWriter zip;
    if (!zip.open(path, error)) {
        const QString reason = reasonOf(&error);
        zip_error_fini(&error);
        return saveFailure(path, reason);
    }
    bool added = zip.add(QString::fromLatin1(MimeTypeMember), CardFile::MimeType.toUtf8(), false);
    QJsonArray photoTable;
    for (std::size_t i = 0; i < sources.size(); ++i) {
        const PhotoSource& source = *sources[i];
        const PhotoFormat format = formatOf(source.bytes());
        const QString member = QStringLiteral("Pictures/%1.%2").arg(i + 1).arg(QLatin1String(format.extension));
        photoTable.append(QJsonObject{{"member", member},
                                      {"lossless", source.keptAsLosslessCopy()},
                                      {"frame", ParameterValue::point(QPointF(source.frame().width(), source.frame().height()))},
                                      {"fit", fitJson(source.fit())}});
        added = added && zip.add(member, source.bytes(), format.compress);
    }
    json.insert(QLatin1String("photos"), photoTable);
    added = added && zip.add(QString::fromLatin1(DocumentMember), QJsonDocument(json).toJson(QJsonDocument::Compact), true);
    if (!frontPrint.isNull()) {
        QImage preview = frontPrint.convertToFormat(QImage::Format_RGB32);
        preview.setColorSpace(QColorSpace::SRgb);
        const QImage thumbnail = preview.scaled(ThumbnailSide, ThumbnailSide, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        added = added && zip.add(QString::fromLatin1(PreviewMember), pngOf(preview), false)
                && zip.add(QString::fromLatin1(ThumbnailMember), pngOf(thumbnail), false);
    }
    if (!added)
        return saveFailure(path, CardFileText::tr("het geheugen is vol"));
    if (!zip.close())
        return saveFailure(path, reasonOf(zip.error()));
    return QString();
}

std::optional<CardFileContent> read(const QString& path, QString& error)
{
    const QFileInfo file(path);
    if (!file.exists()) {
        error = CardFileText::tr("Het bestand „%1” bestaat niet.").arg(QDir::toNativeSeparators(path));
        return std::nullopt;
    }
    if (file.isDir()) {
        error = CardFileText::tr("„%1” is een map, geen kaart.").arg(QDir::toNativeSeparators(path));
        return std::nullopt;
    }
    int code = 0;
    zip_t* zip = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &code);
    if (!zip) {
        error = openFailure(code);
        return std::nullopt;
    }
    return readArchive(zip, error);
}

std::optional<CardFileContent> readBytes(const QByteArray& bytes, QString& error)
{
    zip_error_t failure;
    zip_error_init(&failure);
    zip_source_t* source = zip_source_buffer_create(bytes.constData(), zip_uint64_t(bytes.size()), 0, &failure);
    zip_t* zip = source ? zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &failure) : nullptr;
    if (!zip) {
        error = openFailure(zip_error_code_zip(&failure));
        if (source)
            zip_source_free(source);
        zip_error_fini(&failure);
        return std::nullopt;
    }
    zip_error_fini(&failure);
    return readArchive(zip, error);
}

bool looksLikeCardFile(const QByteArray& head)
{
    const QByteArray type = MimeType.toLatin1();
    return head.size() >= 38 + type.size() && head.startsWith("PK\x03\x04") && head[8] == 0 && head[9] == 0
        && head[26] == 8 && head[27] == 0 && head[28] == 0 && head[29] == 0 && head.mid(30, 8) == MimeTypeMember
        && head.mid(38, type.size()) == type;
}

}

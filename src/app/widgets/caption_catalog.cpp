#include "app/widgets/caption_catalog.h"

#include <QRegularExpression>
#include <array>

namespace wrk7 {

namespace {

// The varying parts are looked up as captions of their own, to this depth.
constexpr int kNestingDepth = 3;

struct CompiledEntry {
    QRegularExpression pattern;
    // The longest fixed piece of the English pattern: most lines are told
    // apart by it before any expression runs, which keeps a report of
    // thousands of lines quick to show.
    QString fixedPiece;
    QString japanese;
    // The capture group of each placeholder number (0: not in the pattern).
    std::array<int, 10> group{};
};

const QRegularExpression& Placeholder() {
    static const QRegularExpression placeholder(QStringLiteral("%([1-9])"));
    return placeholder;
}

CompiledEntry Compile(const CatalogEntry& entry) {
    const QString english = QString::fromUtf8(entry.english);
    QString expression;
    QString longest;
    std::array<int, 10> group{};
    int groups = 0;
    qsizetype from = 0;
    auto addFixed = [&](qsizetype end) {
        const QString piece = english.mid(from, end - from);
        expression += QRegularExpression::escape(piece);
        if (piece.size() > longest.size()) longest = piece;
    };
    for (const QRegularExpressionMatch& m : Placeholder().globalMatch(english)) {
        addFixed(m.capturedStart());
        expression += QStringLiteral("(.+?)");
        group[m.captured(1).toInt()] = ++groups;
        from = m.capturedEnd();
    }
    addFixed(english.size());
    return {QRegularExpression(QRegularExpression::anchoredPattern(expression),
                               QRegularExpression::DotMatchesEverythingOption),
            longest,
            QString::fromUtf8(entry.japanese), group};
}

using CompiledCatalog = std::vector<CompiledEntry>;

CompiledCatalog CompileAll(const std::vector<CatalogEntry>& entries) {
    CompiledCatalog compiled;
    for (const CatalogEntry& e : entries) compiled.push_back(Compile(e));
    return compiled;
}

const CompiledCatalog& Captions() {
    static const CompiledCatalog compiled = CompileAll(CaptionCatalogEntries());
    return compiled;
}

QString Japanese(const CompiledCatalog& catalog, const QString& line, int depth) {
    if (depth == 0 || line.isEmpty()) return line;
    for (const CompiledEntry& entry : catalog) {
        if (!line.contains(entry.fixedPiece)) continue;
        const QRegularExpressionMatch m = entry.pattern.match(line);
        if (!m.hasMatch()) continue;
        QString shown;
        qsizetype from = 0;
        for (const QRegularExpressionMatch& p : Placeholder().globalMatch(entry.japanese)) {
            shown += entry.japanese.mid(from, p.capturedStart() - from);
            shown += Japanese(catalog, m.captured(entry.group[p.captured(1).toInt()]), depth - 1);
            from = p.capturedEnd();
        }
        return shown + entry.japanese.mid(from);
    }
    return line;
}

}  // namespace

QString CaptionInUiLanguage(const QString& caption, UiLanguage language) {
    return language == UiLanguage::kJapanese ? Japanese(Captions(), caption, kNestingDepth) : caption;
}

}  // namespace wrk7

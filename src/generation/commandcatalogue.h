#pragma once

#include <QString>
#include <array>

// The command keywords (key "type" of a purpose type) for which the command line builder has a
// line form, and the fixed purpose texts that some forms require. The settings check holds the
// settings file against the same texts.
namespace tavrolin::catalogue {

inline const std::array<QString, 14> kKeywords{
    QStringLiteral("qsave"), QStringLiteral("asdwg"), QStringLiteral("saveas"),
    QStringLiteral("zoom"),  QStringLiteral("c"),     QStringLiteral("off"),
    QStringLiteral("on"),    QStringLiteral("f"),     QStringLiteral("lw"),
    QStringLiteral("l"),     QStringLiteral("m"),     QStringLiteral("lo"),
    QStringLiteral("u"),     QStringLiteral("dxf")};

// Purpose names of the save-as forms: date and running number, or running number alone.
inline const QString kDatedNames = QStringLiteral("日付-1～xの形式");
inline const QString kNumberedNames = QStringLiteral("1～xの形式");

// Purpose names of the zoom forms: to the extents, or by the scale given as the action.
inline const QString kZoomExtents = QStringLiteral("オブジェクト範囲で");
inline const QString kZoomScale = QStringLiteral("倍率を決めて");

// The purpose types whose keyword "dxf" writes their key "type2".
inline const std::array<QString, 4> kDxfPurposeTypes{
    QStringLiteral("DXF(2000)で保存する"), QStringLiteral("DXF(R14)で保存する"),
    QStringLiteral("DXF(R13)で保存する"), QStringLiteral("DXF(R12)で保存する")};

} // namespace tavrolin::catalogue

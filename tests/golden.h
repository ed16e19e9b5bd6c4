#pragma once
// Golden pictures of the drawing area, compared with a small tolerance. With
// SUITE_PICTURES_DRAWN=DIR in the environment the picture drawn is also written to DIR
// (scripts/update-golden.sh takes them from there); the comparison is made all the same.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QString>

inline ::testing::AssertionResult matchesGolden(const QImage& picture, const QString& name,
                                                double allowedShare = 0.0005)
{
    const QString path = QStringLiteral(SUITE_GOLDEN_DIR "/") + name + QStringLiteral(".png");
    if (const QString drawn = qEnvironmentVariable("SUITE_PICTURES_DRAWN"); !drawn.isEmpty())
        if (!QDir().mkpath(drawn) || !picture.save(drawn + QLatin1Char('/') + name + QStringLiteral(".png")))
            return ::testing::AssertionFailure() << "cannot write the picture drawn into " << drawn.toStdString();
    QImage golden(path);
    if (golden.isNull())
        return ::testing::AssertionFailure() << "no golden picture " << path.toStdString();
    golden = golden.convertToFormat(QImage::Format_RGB32);
    const QImage actual = picture.convertToFormat(QImage::Format_RGB32);
    if (golden.size() != actual.size())
        return ::testing::AssertionFailure() << "size differs from " << path.toStdString();
    long long differing = 0;
    for (int y = 0; y < actual.height(); ++y)
        for (int x = 0; x < actual.width(); ++x)
            differing += actual.pixel(x, y) != golden.pixel(x, y);
    const double share = double(differing) / (double(actual.width()) * actual.height());
    if (share > allowedShare) {
        actual.save(QStringLiteral("/tmp/") + name + QStringLiteral("-actual.png"));
        return ::testing::AssertionFailure() << differing << " pixels differ from " << path.toStdString()
                                             << " (the picture drawn is in /tmp/" << name.toStdString()
                                             << "-actual.png)";
    }
    return ::testing::AssertionSuccess();
}

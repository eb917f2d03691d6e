// Test data kept as an array of structs, one row a line, each row named in the test's output.
#pragma once

#include <QTest>

template <typename Row, std::size_t N> void addTableRows(const Row (&rows)[N])
{
    QTest::addColumn<int>("row");
    for (std::size_t i = 0; i < N; ++i)
        QTest::newRow(rows[i].name) << int(i);
}

// Text of the plain C++ layers as a QString, for QCOMPARE.
inline QString text(std::string_view view)
{
    return QString::fromUtf8(view.data(), qsizetype(view.size()));
}

template <typename Row, std::size_t N> const Row& currentRow(const Row (&rows)[N])
{
    return rows[*static_cast<int*>(QTest::qData("row", qMetaTypeId<int>()))];
}

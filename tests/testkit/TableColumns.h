#pragma once

#include <QTest>

#include <tuple>

// The columns of a data table in one call, a type for each or one type for all:
//   addColumns<QString, int>("page", "row");  addColumns<QString>("page", "script", "expected");
template <class... Types, class... Names>
void addColumns(Names... names)
{
    static_assert(sizeof...(Types) == 1 || sizeof...(Types) == sizeof...(Names));
    if constexpr (sizeof...(Types) == 1)
        (QTest::addColumn<std::tuple_element_t<0, std::tuple<Types...>>>(names), ...);
    else
        (QTest::addColumn<Types>(names), ...);
}

// The current row's values of those columns, typed as they were added, for a structured binding:
//   const auto [page, row] = fetchColumns<QString, int>("page", "row");
template <class... Types, class... Names>
auto fetchColumns(Names... names)
{
    static_assert(sizeof...(Types) == 1 || sizeof...(Types) == sizeof...(Names));
    using First = std::tuple_element_t<0, std::tuple<Types...>>;
    if constexpr (sizeof...(Types) == 1)
        return std::tuple{*static_cast<First *>(QTest::qData(names, qMetaTypeId<First>()))...};
    else
        return std::tuple<Types...>{*static_cast<Types *>(QTest::qData(names, qMetaTypeId<Types>()))...};
}

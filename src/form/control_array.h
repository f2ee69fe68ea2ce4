#pragma once
// A control array: members addressed as Name(i), with only the indices the
// design gives them. Members never move once created, so references stay valid.

#include "platform/program_error.h"

#include <QString>
#include <initializer_list>
#include <map>
#include <vector>

namespace vorn {

template <typename T> class ControlArray {
public:
    ControlArray(const QString& name, std::initializer_list<int> indices) : name_(name) {
        for (const int i : indices)
            add(i);
    }
    // Indices first .. last, both included.
    ControlArray(const QString& name, int first, int last) : name_(name) {
        for (int i = first; i <= last; ++i)
            add(i);
    }
    ControlArray(const ControlArray&) = delete;
    ControlArray& operator=(const ControlArray&) = delete;

    T& operator()(int index) { return at(index); }
    const T& operator()(int index) const { return const_cast<ControlArray*>(this)->at(index); }

    bool contains(int index) const { return members_.count(index) != 0; }
    const QString& name() const { return name_; }
    std::vector<int> indices() const {
        std::vector<int> result;
        for (const auto& member : members_)
            result.push_back(member.first);
        return result;
    }

private:
    void add(int index) {
        T& member = members_[index];
        member.Name = QStringLiteral("%1(%2)").arg(name_).arg(index);
    }
    T& at(int index) {
        const auto it = members_.find(index);
        if (it == members_.end())
            throw ProgramError(
                QStringLiteral("%1(%2): no such member of control array %1").arg(name_).arg(index));
        return it->second;
    }

    QString name_;
    std::map<int, T> members_;
};

} // namespace vorn

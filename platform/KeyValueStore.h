// SPDX-License-Identifier: MIT
#pragma once

#include <map>
#include <optional>
#include <string>

// The per-user store the settings live in: text values under names.
class KeyValueStore {
public:
    virtual ~KeyValueStore() = default;
    virtual bool IsEmpty() const = 0;  // nothing stored at all
    virtual std::optional<std::string> Read(const std::string& name) const = 0;
    virtual void Write(const std::string& name, const std::string& value) = 0;
};

// A store held in memory.
class MapStore : public KeyValueStore {
public:
    MapStore() = default;
    explicit MapStore(std::map<std::string, std::string> values) : values(std::move(values)) {}
    bool IsEmpty() const override { return values.empty(); }
    std::optional<std::string> Read(const std::string& name) const override {
        const auto it = values.find(name);
        return it == values.end() ? std::nullopt : std::optional(it->second);
    }
    void Write(const std::string& name, const std::string& value) override { values[name] = value; }
    std::map<std::string, std::string> values;
};

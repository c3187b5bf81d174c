#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "device.hpp"

// A device over strings: input is handed out in chunks of at most
// chunk_size bytes, so tests can split the input at every point.
class MemoryDevice final : public Device {
public:
    explicit MemoryDevice(std::string input, std::size_t chunk_size = 1 << 20)
        : input_(std::move(input)), chunk_size_(chunk_size) {}

    std::size_t read(std::span<char> into) override {
        written_at_reads.push_back(output.size());
        const std::size_t count = std::min({into.size(), chunk_size_, input_.size() - taken_});
        std::copy_n(input_.data() + taken_, count, into.data());
        taken_ += count;
        return count;
    }

    void write(std::string_view bytes) override {
        output.append(bytes);
        ++writes;
    }

    void clear_screen() override {
        ++clears;
        written_at_clear = output.size();
    }

    // What had been written when each read began.
    std::vector<std::string> output_at_reads() const {
        std::vector<std::string> prefixes;
        for (const std::size_t size : written_at_reads) {
            prefixes.push_back(output.substr(0, size));
        }
        return prefixes;
    }

    std::string output;
    std::vector<std::size_t> written_at_reads;  // sizes only: a fuzzed run may read a byte at a time
    std::size_t written_at_clear = 0;
    int writes = 0;
    int clears = 0;

private:
    std::string input_;
    std::size_t chunk_size_;
    std::size_t taken_ = 0;
};

#pragma once

#include <memory>

#include "console.hpp"
#include "device.hpp"
#include "number_reader.hpp"

// The console over a device: output is gathered in one large block and
// flushed when the block is full and whenever the program is about to wait
// for input, so a person sees each prompt before the read waits while piped
// input costs one write per block rather than one per line.
class BufferedConsole final : public Console, private ByteSource {
public:
    static constexpr std::size_t block_size = 64 * 1024;

    explicit BufferedConsole(Device& device);

    void clear_screen() override;
    Token next_number() override;
    void write(std::string_view text) override;

    void flush();

private:
    std::span<const char> next_chunk() override;

    Device& device_;
    NumberReader reader_{*this};
    std::unique_ptr<char[]> input_;
    std::unique_ptr<char[]> output_;
    std::size_t output_used_ = 0;
};

#pragma once

#include "lsp/ServerLoop.h"

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace quarvel::testing {

/// A server in a thread of its own, over pipes of memory: a test sends messages and waits
/// for what the server says.
class ServerHarness {
  public:
    explicit ServerHarness(lsp::ServerOptions options);
    ~ServerHarness();

    void send(const nlohmann::json& message);
    void sendBytes(const std::string& bytes);

    /// The first message not taken yet that satisfies the predicate, taking it and the
    /// messages before it; nullopt after 30 seconds without one, or when the server ended.
    std::optional<nlohmann::json> waitFor(const std::function<bool(const nlohmann::json&)>& wanted);
    /// The next publishDiagnostics for the document.
    std::optional<nlohmann::json> waitForDiagnostics(const std::string& uri);

    /// Ends the input and returns the server's exit status.
    int finish();

    /// Every message the server has written so far.
    std::vector<nlohmann::json> messages() const;

  private:
    class Input : public lsp::ByteSource {
      public:
        std::ptrdiff_t read(char* buffer, std::size_t size) override;
        void add(const std::string& bytes);
        void close();

      private:
        std::mutex mutex_;
        std::condition_variable arrived_;
        std::string bytes_;
        bool closed_ = false;
    };
    class Output : public lsp::MessageOutput {
      public:
        explicit Output(ServerHarness& harness) : harness_(harness) {}
        bool write(std::string_view bytes) override;

      private:
        ServerHarness& harness_;
    };

    Input input_;
    Output output_{*this};
    mutable std::mutex mutex_;
    std::condition_variable written_;
    std::vector<nlohmann::json> messages_;
    std::size_t taken_ = 0;
    bool ended_ = false;
    int status_ = -1;
    std::thread server_;
};

/// Messages of the protocol, for tests.
nlohmann::json request(int id, const std::string& method, nlohmann::json params);
nlohmann::json notification(const std::string& method, nlohmann::json params);
nlohmann::json didOpen(const std::string& uri, const std::string& text, int version = 1);

} // namespace quarvel::testing

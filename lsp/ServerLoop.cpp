#include "lsp/ServerLoop.h"

#include "lsp/MessageReader.h"
#include "lsp/MessageWriter.h"
#include "lsp/RpcError.h"

namespace lsp {

int serve(ByteSource& input, MessageOutput& output, const ServerOptions& options,
          std::uint64_t maxMessageBytes) {
    MessageWriter writer(output);
    Client client(writer);
    Server server(client, options);
    MessageReader reader(input, maxMessageBytes);
    for (;;) {
        Frame frame = reader.next();
        switch (frame.kind) {
        case Frame::Kind::kMessage:
            server.handle(frame.body);
            break;
        case Frame::Kind::kMalformed:
            server.refuse(errors::kParseError, "malformed input: " + frame.problem);
            break;
        case Frame::Kind::kTooLarge:
            server.refuse(errors::kInvalidRequest, "message dropped: " + frame.problem);
            break;
        case Frame::Kind::kEnd:
            server.stop();
            return server.exitStatus();
        }
        if (server.exitRequested()) {
            server.stop();
            return server.exitStatus();
        }
    }
}

} // namespace lsp

#include "support/tool_run.h"

namespace vorn::test {

ToolResult RunTool(const QProcessEnvironment& env, const QStringList& command, milliseconds limit,
                   bool merged) {
    QProcess tool;
    tool.setProcessEnvironment(env);
    if (merged) tool.setProcessChannelMode(QProcess::MergedChannels);
    tool.start(command.first(), command.mid(1));
    ToolResult result;
    const QString line = command.join(u' ');
    if (!tool.waitForFinished(static_cast<int>(limit.count()))) {
        result.error = line + QStringLiteral(": ") + tool.errorString();
        tool.kill();
        tool.waitForFinished(1000);
        return result;
    }
    result.out = tool.readAllStandardOutput();
    if (tool.exitStatus() != QProcess::NormalExit) {
        result.error = line + QStringLiteral(": crashed");
        return result;
    }
    result.status = tool.exitCode();
    if (result.status != 0)
        result.error = line + QStringLiteral(": status %1: ").arg(result.status) +
                       QString::fromLocal8Bit(tool.readAllStandardError());
    return result;
}

bool ReadUntil(QProcess& process, QByteArray& said, const std::function<bool()>& done,
               milliseconds limit) {
    return PollUntil(
        [&] {
            process.waitForReadyRead(20);
            said += process.readAll();
            return done();
        },
        limit);
}

void EndProcess(QProcess& process) {
    if (process.state() == QProcess::NotRunning) return;
    process.terminate();
    if (!process.waitForFinished(5000)) {
        process.kill();
        process.waitForFinished(5000);
    }
}

} // namespace vorn::test

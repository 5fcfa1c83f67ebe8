package com.velmor.brivon.testing;

import com.velmor.brivon.jni.LoadHandler;
import java.util.ArrayList;
import java.util.List;

/**
 * A load handler with extra methods the probe calls: {@code ping} records the calling thread,
 * {@code fail} throws, {@code echo} counts its calls and answers its text, or throws for
 * "fail".
 */
public class Recorder implements LoadHandler {
    public final List<Thread> pingThreads = new ArrayList<>();
    public int failures;

    public synchronized void ping() {
        pingThreads.add(Thread.currentThread());
    }

    public void fail() {
        failures++;
        throw new IllegalStateException("thrown by the handler");
    }

    public int echoes;

    public String echo(String text) {
        echoes++;
        if (text.equals("fail")) {
            throw new IllegalStateException("echo refused");
        }
        return text;
    }

    public synchronized int pings() {
        return pingThreads.size();
    }

    @Override
    public void onLoadingStateChange(long browserId, boolean isLoading, boolean canGoBack, boolean canGoForward) {
    }

    @Override
    public void onLoadStart(long browserId, long frameId) {
    }

    @Override
    public void onLoadEnd(long browserId, long frameId) {
    }

    @Override
    public void onLoadError(long browserId, long frameId, int errorCode) {
    }
}

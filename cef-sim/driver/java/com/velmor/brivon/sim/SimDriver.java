package com.velmor.brivon.sim;

import java.util.ArrayList;
import java.util.Collections;
import java.util.List;

/**
 * The test side of the stand-in engine, seen from Java: what the client under test did to
 * the engine, read back. Every method may be called from any thread once {@link #load} has
 * run; the lists are snapshots.
 */
public final class SimDriver {
    private SimDriver() {
    }

    /** Loads the driver's native library, which shares the engine with the bridge. */
    public static synchronized void load(String path) {
        if (path == null || path.isEmpty()) {
            throw new IllegalArgumentException("the driver library's path is missing");
        }
        System.load(path);
    }

    /**
     * The settings handed to the successful {@code CefInitialize}; zeros and empty strings
     * before it.
     */
    public static final class InitSettings {
        public final int noSandbox;
        public final int windowlessRenderingEnabled;
        public final int multiThreadedMessageLoop;
        public final int externalMessagePump;
        public final int commandLineArgsDisabled;
        public final int logSeverity;
        public final int remoteDebuggingPort;
        public final String logFile;
        public final String browserSubprocessPath;
        public final String acceptLanguageList;
        public final String cachePath;
        public final String locale;
        public final String rootCachePath;
        public final String userAgent;
        public final String resourcesDirPath;
        public final String localesDirPath;

        private InitSettings(int[] ints, String[] strings) {
            noSandbox = ints[0];
            windowlessRenderingEnabled = ints[1];
            multiThreadedMessageLoop = ints[2];
            externalMessagePump = ints[3];
            commandLineArgsDisabled = ints[4];
            logSeverity = ints[5];
            remoteDebuggingPort = ints[6];
            logFile = strings[0];
            browserSubprocessPath = strings[1];
            acceptLanguageList = strings[2];
            cachePath = strings[3];
            locale = strings[4];
            rootCachePath = strings[5];
            userAgent = strings[6];
            resourcesDirPath = strings[7];
            localesDirPath = strings[8];
        }
    }

    /** A switch appended during {@code OnBeforeCommandLineProcessing}. */
    public static final class Switch {
        /** As the engine keys the switch: lower-cased, without its prefix. */
        public final String name;
        public final boolean hasValue;
        /** Null when the switch has no value. */
        public final String value;

        private Switch(String name, String value) {
            this.name = name;
            this.hasValue = value != null;
            this.value = value;
        }

        @Override
        public String toString() {
            return hasValue ? name + "=" + value : name;
        }
    }

    /** A scheme registered during {@code OnRegisterCustomSchemes}. */
    public static final class CustomScheme {
        public final String name;
        public final int options;

        private CustomScheme(String name, int options) {
            this.name = name;
            this.options = options;
        }
    }

    /** A registered scheme handler factory. */
    public static final class SchemeHandlerFactory {
        /** Lower-cased, as the engine keeps it. */
        public final String scheme;
        /** Empty for every domain. */
        public final String domain;
        /** Tells the factory objects apart; equal for the same object. */
        public final long identity;

        private SchemeHandlerFactory(String scheme, String domain, long identity) {
            this.scheme = scheme;
            this.domain = domain;
            this.identity = identity;
        }
    }

    /** How many times {@code CefInitialize} was called. */
    public static native int initializeCalls();

    /** Whether the last {@code CefInitialize} call succeeded. */
    public static native boolean lastInitializeSucceeded();

    public static InitSettings initSettings() {
        Object[] snapshot = initSettingsSnapshot();
        return new InitSettings((int[]) snapshot[0], (String[]) snapshot[1]);
    }

    public static native boolean highDpiSupportEnabled();

    /** How many times {@code CefExecuteProcess} was called. */
    public static native int executeProcessCalls();

    /** What the last {@code CefExecuteProcess} returned; 0 when it was never called. */
    public static native int executeProcessResult();

    /** The switches the application appended, in order. */
    public static List<Switch> switches() {
        Object[] snapshot = switchesSnapshot();
        String[] names = (String[]) snapshot[0];
        String[] values = (String[]) snapshot[1];
        List<Switch> out = new ArrayList<>();
        for (int i = 0; i < names.length; i++) {
            out.add(new Switch(names[i], values[i]));
        }
        return Collections.unmodifiableList(out);
    }

    /** The custom schemes registered, in order. */
    public static List<CustomScheme> customSchemes() {
        Object[] snapshot = customSchemesSnapshot();
        String[] names = (String[]) snapshot[0];
        int[] options = (int[]) snapshot[1];
        List<CustomScheme> out = new ArrayList<>();
        for (int i = 0; i < names.length; i++) {
            out.add(new CustomScheme(names[i], options[i]));
        }
        return Collections.unmodifiableList(out);
    }

    /** The scheme handler factories now registered, in order of registration. */
    public static List<SchemeHandlerFactory> schemeHandlerFactories() {
        Object[] snapshot = factoriesSnapshot();
        String[] schemes = (String[]) snapshot[0];
        String[] domains = (String[]) snapshot[1];
        long[] identities = (long[]) snapshot[2];
        List<SchemeHandlerFactory> out = new ArrayList<>();
        for (int i = 0; i < schemes.length; i++) {
            out.add(new SchemeHandlerFactory(schemes[i], domains[i], identities[i]));
        }
        return Collections.unmodifiableList(out);
    }

    /** True once the browser-process handler's {@code OnContextInitialized} has returned. */
    public static native boolean contextInitialized();

    public static native boolean isShutDown();

    /** Tasks queued for the UI thread, the engine's own included. */
    public static native int pendingUiTasks();

    /**
     * Client objects the engine still holds: the application, factories, queued tasks and the
     * clients of browsers not yet closed.
     */
    public static native int heldClientObjects();

    /** Moves the engine's clock forward so that delayed tasks fall due without waiting. */
    public static native void advanceClockMs(long ms);

    private static native Object[] initSettingsSnapshot();

    private static native Object[] switchesSnapshot();

    private static native Object[] customSchemesSnapshot();

    private static native Object[] factoriesSnapshot();
}

package com.velmor.brivon.jni;

import java.util.HashMap;

/**
 * Start-up settings handed to {@link CefLib#init(CefSettings)}. The library reads the fields by
 * name and type, and does not check them for null: the defaults are therefore empty rather than
 * absent, and a client should keep them that way.
 */
public class CefSettings {
    /** Engine log severity meaning "the engine's own default". */
    public static final int LOG_SEVERITY_DEFAULT = 0;
    /** Engine log severity that switches logging off. */
    public static final int LOG_SEVERITY_DISABLE = 99;

    /** Executable the engine starts for each of its child processes. */
    public String browserSubProcessPath = "";
    /** Engine log file; empty lets the engine choose. */
    public String logFilePath = "";
    /** Engine log severity, passed to the engine unchanged. */
    public int logSeverity = LOG_SEVERITY_DEFAULT;
    /** Directory for the engine's cache; empty keeps the cache in memory. */
    public String cachePath = "";
    /**
     * Extra engine command-line switches: switch name without leading dashes to its value, or to
     * null for a switch without value. The engine lower-cases each name; a name given with its own
     * "--", "-" or "/" keeps it and gets no second one. Declared as HashMap because the library looks
     * the field up with exactly that type.
     */
    public HashMap<String, String> commandLines = new HashMap<>();

    public CefSettings() {
    }
}

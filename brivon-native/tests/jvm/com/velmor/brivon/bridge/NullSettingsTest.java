package com.velmor.brivon.bridge;

import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertTrue;

import com.velmor.brivon.jni.CefLib;
import com.velmor.brivon.jni.CefSettings;
import com.velmor.brivon.sim.SimDriver;
import com.velmor.brivon.testing.Engine;
import org.junit.jupiter.api.DisplayName;
import org.junit.jupiter.api.Test;

class NullSettingsTest {
    @Test
    @DisplayName("null settings fields start the engine with empty strings and no extra switch")
    void nullFieldsReadAsEmpty() {
        Engine.load(false);
        CefSettings settings = new CefSettings();
        settings.browserSubProcessPath = null;
        settings.logFilePath = null;
        settings.cachePath = null;
        settings.commandLines = null;
        CefLib.init(settings);

        SimDriver.InitSettings engine = SimDriver.initSettings();
        assertEquals("", engine.browserSubprocessPath);
        assertEquals("", engine.logFile);
        assertEquals("", engine.cachePath);
        assertEquals("zh-CN", engine.acceptLanguageList);
        Engine.pumpUntil(SimDriver::contextInitialized, "the context-initialised callback");
        assertTrue(SimDriver.switches().isEmpty());
        CefLib.shutdown();
    }
}

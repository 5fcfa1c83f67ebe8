package com.velmor.brivon.bridge;

import static com.velmor.brivon.probe.CallbackProbe.LOAD_SLOT;
import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertThrows;
import static org.junit.jupiter.api.Assertions.assertTrue;

import com.velmor.brivon.jni.CefLib;
import com.velmor.brivon.jni.CefSettings;
import com.velmor.brivon.probe.CallbackProbe;
import com.velmor.brivon.sim.SimDriver;
import com.velmor.brivon.testing.Engine;
import com.velmor.brivon.testing.Recorder;
import java.util.ArrayList;
import java.util.LinkedHashMap;
import java.util.List;
import org.junit.jupiter.api.AfterAll;
import org.junit.jupiter.api.BeforeAll;
import org.junit.jupiter.api.DisplayName;
import org.junit.jupiter.api.Test;
import org.junit.jupiter.api.TestInstance;

/**
 * Work that runs many times inside one native call: a local reference left behind each time
 * would pile up in that call's frame, which -Xcheck:jni reports (and the test run fails on)
 * once it passes the frame's capacity of 32.
 */
@TestInstance(TestInstance.Lifecycle.PER_CLASS)
class LocalReferenceTest {
    private static final int MANY = 1000;
    private final Recorder recorder = new Recorder();
    private final LinkedHashMap<String, String> commandLines = new LinkedHashMap<>();

    @BeforeAll
    void startEngine() {
        Engine.load(true);
        for (int i = 0; i < MANY; i++) {
            commandLines.put("switch-" + i, i % 2 == 0 ? "value-" + i : null);
        }
        CefSettings settings = Engine.settings();
        settings.commandLines = commandLines;
        CefLib.init(settings);
        CefLib.setLoadHandler(recorder);
    }

    @AfterAll
    void stopEngine() {
        CefLib.shutdown();
    }

    @Test
    @DisplayName("a commandLines map of a thousand entries becomes a thousand switches inside init")
    void largeCommandLineMap() {
        List<String> expected = new ArrayList<>();
        commandLines.forEach((name, value) -> expected.add(value == null ? name : name + "=" + value));
        List<String> switches = new ArrayList<>();
        for (SimDriver.Switch s : SimDriver.switches()) {
            switches.add(s.hasValue ? s.name + "=" + s.value : s.name);
        }
        assertEquals(expected, switches);
    }

    @Test
    @DisplayName("a thousand callbacks in one doMessageLoopWork, each leaving its argument and answer")
    void thousandCallbacksInOnePump() {
        int before = recorder.echoes;
        assertTrue(CallbackProbe.postEchoes(LOAD_SLOT, "text", MANY));
        CefLib.doMessageLoopWork();
        assertEquals(before + MANY, recorder.echoes);
    }

    @Test
    @DisplayName("a thousand throwing callbacks in one doMessageLoopWork: the first exception reaches the caller")
    void thousandThrowingCallbacksInOnePump() {
        int before = recorder.echoes;
        assertTrue(CallbackProbe.postEchoes(LOAD_SLOT, "fail", MANY));
        IllegalStateException thrown = assertThrows(IllegalStateException.class, CefLib::doMessageLoopWork);
        assertEquals("echo refused", thrown.getMessage());
        assertEquals(before + MANY, recorder.echoes);
    }
}

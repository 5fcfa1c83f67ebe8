package com.velmor.brivon.bridge;

import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertThrows;
import static org.junit.jupiter.api.Assertions.assertTrue;

import com.velmor.brivon.jni.CefLib;
import com.velmor.brivon.jni.CefSettings;
import com.velmor.brivon.sim.SimDriver;
import com.velmor.brivon.testing.Engine;
import java.util.AbstractMap.SimpleEntry;
import java.util.AbstractSet;
import java.util.ArrayList;
import java.util.HashMap;
import java.util.Iterator;
import java.util.List;
import java.util.Map;
import java.util.NoSuchElementException;
import java.util.Set;
import org.junit.jupiter.api.DisplayName;
import org.junit.jupiter.api.Test;

/** A commandLines map that misbehaves while the engine reads it. */
class ThrowingCommandLinesTest {
    /** Yields the given entries, then throws instead of ending. */
    static final class BrokenMap extends HashMap<String, String> {
        private static final long serialVersionUID = 1L;
        private final List<Map.Entry<Object, Object>> entries;

        BrokenMap(List<Map.Entry<Object, Object>> entries) {
            this.entries = entries;
        }

        @Override
        @SuppressWarnings({"unchecked", "rawtypes"})
        public Set<Map.Entry<String, String>> entrySet() {
            return (Set) new AbstractSet<Map.Entry<Object, Object>>() {
                @Override
                public Iterator<Map.Entry<Object, Object>> iterator() {
                    Iterator<Map.Entry<Object, Object>> inner = entries.iterator();
                    return new Iterator<>() {
                        @Override
                        public boolean hasNext() {
                            return true;
                        }

                        @Override
                        public Map.Entry<Object, Object> next() {
                            if (!inner.hasNext()) {
                                throw new NoSuchElementException("map changed while it was read");
                            }
                            return inner.next();
                        }
                    };
                }

                @Override
                public int size() {
                    return entries.size();
                }
            };
        }
    }

    @Test
    @DisplayName("an exception from the map reaches the caller of init; the switches read before it stay, non-text and null entries are passed over")
    void exceptionWhileReadingTheMap() {
        Engine.load(false);
        List<Map.Entry<Object, Object>> entries = new ArrayList<>();
        entries.add(new SimpleEntry<>("first", null));
        entries.add(new SimpleEntry<>(42, "not a switch name"));
        entries.add(null);
        entries.add(new SimpleEntry<>("port", 8080));
        entries.add(new SimpleEntry<>("second", "value"));
        CefSettings settings = Engine.settings();
        settings.commandLines = new BrokenMap(entries);

        NoSuchElementException thrown = assertThrows(NoSuchElementException.class, () -> CefLib.init(settings));
        assertEquals("map changed while it was read", thrown.getMessage());

        List<String> switches = new ArrayList<>();
        for (SimDriver.Switch s : SimDriver.switches()) {
            switches.add(s.hasValue ? s.name + "=" + s.value : s.name);
        }
        assertEquals(List.of("first", "second=value"), switches);
        assertTrue(SimDriver.lastInitializeSucceeded(), "the engine starts without the rest of the switches");
        Engine.pumpUntil(SimDriver::contextInitialized, "the context-initialised callback");
        CefLib.shutdown();
    }
}
